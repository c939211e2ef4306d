// The GUI program's entry point (target afx_winmain).
#include "afx/WinApp.h"

extern "C" int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int) {
    return afx::WinMain(hInstance, lpCmdLine);
}
