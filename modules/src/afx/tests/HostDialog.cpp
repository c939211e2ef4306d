#include "HostDialog.h"

#include "afx/Gdi.h"

void CCountingStatic::OnPaint() {
    CPaintDC dc(this);
    ++paints;
}

BEGIN_MESSAGE_MAP(CCountingStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CHostDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (onInit) onInit(*this);
    PostMessage(WM_RUN_STEP);
    return TRUE;
}

void CHostDialog::OnCancel() {
    ++cancels;
    CDialog::OnCancel();
}

void CHostDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAINTED, m_painted);
    DDX_Control(pDX, IDC_COMBO, m_combo);
    DDX_Control(pDX, IDC_EDIT, m_edit);
    if (bindMissingControl) DDX_Control(pDX, 4242, m_missing);
}

LRESULT CHostDialog::onRunStep(WPARAM wParam, LPARAM) {
    if (step) step(*this, wParam);
    return 0;
}

BEGIN_MESSAGE_MAP(CHostDialog, CDialog)
    ON_MESSAGE(WM_RUN_STEP, &CHostDialog::onRunStep)
END_MESSAGE_MAP()
