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
    CWinApp();
    ~CWinApp() override;

    // TRUE to go on to Run.
    virtual BOOL InitInstance() = 0;
    // The process exit code.
    virtual int Run() = 0;

    HINSTANCE m_hInstance = nullptr;
    // The command line after the program's own name.
    LPWSTR m_lpCmdLine = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The program's module (also before wWinMain has run, e.g. in tests).
HINSTANCE AfxGetInstanceHandle();
// MFC's hosting of ActiveX controls in dialogs. No template of this program
// holds one, so there is nothing to enable; kept so that InitInstance reads
// as it always has.
void AfxEnableControlContainer();

namespace afx {
// The body of wWinMain, apart so that it can be tested.
int WinMain(HINSTANCE hInstance, LPWSTR lpCmdLine);
}  // namespace afx
