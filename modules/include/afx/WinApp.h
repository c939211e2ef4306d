#pragma once
// The application object and the program's entry point.
//
// Exactly one CWinApp-derived object exists, a global; its constructor
// registers it. The library's wWinMain (link the program with -municode
// -mwindows) fills in m_hInstance and m_lpCmdLine, calls InitInstance and,
// when that returns TRUE, Run, whose result is the process exit code.
#include <windows.h>

#include "afx/RuntimeClass.h"

class CWnd;

class CWinApp : public CObject {
public:
    explicit CWinApp(const wchar_t* lpszAppName = nullptr);
    ~CWinApp() override;

    // TRUE to go on to Run.
    virtual BOOL InitInstance();
    // Pumps messages until WM_QUIT and returns its code; returns 0 at once
    // when there is no main window to wait for.
    virtual int Run();

    const wchar_t* m_pszAppName;
    HINSTANCE m_hInstance = nullptr;
    // The command line after the program's own name.
    LPWSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The program's module (also before wWinMain has run, e.g. in tests).
HINSTANCE AfxGetInstanceHandle();
// Where dialog templates, icons and strings are looked up: the program's module.
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
// MFC's hosting of ActiveX controls in dialogs. No template of this program
// holds one, so there is nothing to enable; kept so that InitInstance reads
// as it always has.
void AfxEnableControlContainer();

namespace afx {
// The body of wWinMain, apart so that it can be tested.
int WinMain(HINSTANCE hInstance, LPWSTR lpCmdLine, int nCmdShow);
}  // namespace afx
