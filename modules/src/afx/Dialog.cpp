#include "afx/Dialog.h"

#include "DialogTemplate.h"
#include "ThreadState.h"
#include "afx/WinApp.h"
#include "kvo/Exception.h"

using afx::detail::hasPendingException;
using afx::detail::rethrowPendingException;
using afx::detail::threadState;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

HWND CDataExchange::PrepareCtrl(int nIDC) const {
    const HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    KVO_ASSERT(control != nullptr);
    return control;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;
    const BOOL subclassed = rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
    KVO_ASSERT(subclassed);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

namespace {

// The owner a modal dialog gets, as MFC chooses it.
HWND modalOwner(CWnd* parent) {
    HWND candidate = parent ? parent->m_hWnd : nullptr;
    if (!candidate) {
        const CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd) candidate = app->m_pMainWnd->m_hWnd;
    }
    return candidate ? ::GetAncestor(candidate, GA_ROOT) : nullptr;
}

// Counts the modal loops running on this thread, also when one ends by an exception.
class ModalDepth {
public:
    ModalDepth() { ++threadState().modalDepth; }
    ~ModalDepth() { --threadState().modalDepth; }
    ModalDepth(const ModalDepth&) = delete;
    ModalDepth& operator=(const ModalDepth&) = delete;
    bool outermost() const { return threadState().modalDepth == 1; }
};

}  // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only WM_INITDIALOG carries the object; every later message reaches it
    // through the window procedure that SubclassWindow installs.
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    try {
        afx::detail::CurrentMessageScope scope(message, wParam, lParam);
        if (!dialog->SubclassWindow(hWnd)) return FALSE;
        return dialog->OnInitDialog();
    } catch (...) {
        afx::detail::keepPendingException();
        return FALSE;
    }
}

bool CDialog::createFromTemplate(UINT nIDTemplate, HWND hWndParent) {
    KVO_ASSERT(m_hWnd == nullptr);
    const HINSTANCE module = AfxGetInstanceHandle();
    const LPCDLGTEMPLATEW dialogTemplate = afx::detail::loadDialogTemplate(module, nIDTemplate);
    if (!dialogTemplate) return false;
    const HWND created = ::CreateDialogIndirectParamW(module, dialogTemplate,
                                                      hWndParent, &DialogProc, reinterpret_cast<LPARAM>(this));
    if (!created) {
        // Wine loses the reason when a control of the template cannot be
        // created, which is the usual failure past this point, and its usual
        // cause is a window class that nobody registered.
        if (::GetLastError() == ERROR_SUCCESS) ::SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return false;
    }
    if (m_hWnd != created) {
        // The object could not be tied to the window, or OnInitDialog destroyed it.
        if (::IsWindow(created)) ::DestroyWindow(created);
        ::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    return true;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    const bool created = createFromTemplate(nIDTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr);
    const DWORD createError = ::GetLastError();
    if (hasPendingException()) {
        if (m_hWnd) DestroyWindow();
        rethrowPendingException();
    }
    if (!created) ::SetLastError(createError);
    return created ? TRUE : FALSE;
}

INT_PTR CDialog::DoModal() {
    const HWND owner = modalOwner(m_pParentWnd);
    m_bModal = true;
    m_bEndRequested = false;
    m_nModalResult = -1;
    const bool created = createFromTemplate(m_nIDTemplate, owner);
    const DWORD createError = ::GetLastError();

    int result = -1;
    if (created && !hasPendingException()) {
        // EnableWindow answers whether the owner was disabled already.
        const bool reenableOwner = owner && !::EnableWindow(owner, FALSE);
        result = runModalLoop();
        if (reenableOwner) ::EnableWindow(owner, TRUE);  // before the dialog goes, so the owner is activated
    }
    if (m_hWnd) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow();
    }
    m_bModal = false;
    rethrowPendingException();
    if (!created) ::SetLastError(createError);
    return result;
}

int CDialog::runModalLoop() {
    const ModalDepth depth;
    if (!m_bEndRequested && !IsWindowVisible()) ShowWindow(SW_SHOWNORMAL);
    MSG msg;
    while (!m_bEndRequested && m_hWnd && !hasPendingException()) {
        // Temporary objects may be held only while a message is handled.
        if (depth.outermost() && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            afx::detail::purgeTemporaryWindows();
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the outer loop: leave it for that one.
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            return -1;
        }
        if (!::IsDialogMessageW(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return m_bEndRequested ? m_nModalResult : -1;
}

void CDialog::EndDialog(int nResult) {
    if (!m_bModal) {
        ShowWindow(SW_HIDE);
        return;
    }
    m_nModalResult = nResult;
    m_bEndRequested = true;
    // Wakes the loop when this is called outside a dispatched message (a
    // keyboard hook runs inside GetMessage).
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    CDataExchange dx(this);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
