#pragma once
// The dialog the framework's tests run: its controls bound, and test code run
// inside the modal loop when it is posted WM_RUN_STEP.
#include <functional>

#include "TestDialogs.h"
#include "afx/Controls.h"
#include "afx/Dialog.h"

constexpr UINT WM_RUN_STEP = WM_APP + 10;

// A static control that paints itself and counts its paints.
class CCountingStatic : public CStatic {
public:
    int paints = 0;
    int preSubclassCalls = 0;
    void PreSubclassWindow() override { ++preSubclassCalls; }

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class CHostDialog : public CDialog {
public:
    using Step = std::function<void(CHostDialog&, WPARAM)>;
    explicit CHostDialog(CWnd* parent = nullptr, UINT templateId = IDD_HOST) : CDialog(templateId, parent) {}

    std::function<void(CHostDialog&)> onInit;
    Step step;  // runs once the loop runs (with 0), then for every WM_RUN_STEP posted to the dialog
    CCountingStatic m_painted;
    CComboBox m_combo;
    CEdit m_edit;
    int cancels = 0;
    bool bindMissingControl = false;

    BOOL OnInitDialog() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT onRunStep(WPARAM wParam, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_missing;
};
