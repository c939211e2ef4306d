#pragma once
// The module's application object. It has no window of its own: Run hands
// the whole process to the host and returns the host's exit code.
#include "afx/WinApp.h"

class CKeyboardApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int Run() override;
};
