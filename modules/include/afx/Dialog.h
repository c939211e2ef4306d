#pragma once
// Dialogs from templates in the program's resources, modal (DoModal) or
// modeless (Create, also as a child inside another window), and data
// exchange with their controls (DoDataExchange, DDX_Control).
//
// The dialog object is tied to its window at WM_INITDIALOG and stays tied
// until the window's last message; from then on every message of the window
// goes through the message map. An exception thrown by a handler is thrown
// again from the DoModal that runs the loop, after the dialog's window is
// destroyed, or from the Create that created the window, after it is
// destroyed.
#include <windows.h>

#include "afx/Wnd.h"

class CDialog;

class CDataExchange {
public:
    explicit CDataExchange(CDialog* pDlgWnd) : m_pDlgWnd(pDlgWnd) {}

    CDialog* m_pDlgWnd;

    // The control's window; throws kvo::AssertionFailure when the dialog has none with that id.
    HWND PrepareCtrl(int nIDC) const;
};

// Ties `rControl` to the dialog's control `nIDC` (once) and routes the
// control's messages through rControl's message map.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr);

    // Runs the dialog of the constructor's template modally and returns
    // what EndDialog was given; -1 when the dialog cannot be created, with
    // GetLastError telling why. The owner is the constructor's parent
    // (its top-level window), else the application's main window, else none;
    // it is disabled while the dialog runs.
    virtual INT_PTR DoModal();
    // Creates the dialog modelessly; as a child when the template has WS_CHILD.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal dialog's loop with nResult; a modeless dialog is only hidden.
    void EndDialog(int nResult);

    // WM_INITDIALOG: runs DoDataExchange, which ties the controls. TRUE lets
    // the system set the focus.
    virtual BOOL OnInitDialog();
    // IDOK: EndDialog(IDOK).
    virtual void OnOK();
    // IDCANCEL (Esc and the close box): EndDialog(IDCANCEL).
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // CreateDialogIndirectParamW from the template; false with GetLastError set.
    bool createFromTemplate(UINT nIDTemplate, HWND hWndParent);
    int runModalLoop();

    bool m_bModal = false;
    bool m_bEndRequested = false;
    int m_nModalResult = -1;
};
