// The GUI program's entry point (target afx_winmain).
#include "afx/WinApp.h"

extern "C" int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow) {
    return afx::WinMain(hInstance, lpCmdLine, nCmdShow);
}
