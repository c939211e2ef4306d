// Kept in a file of its own: only a program without main() links it in.
#include "afx/WinApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow) {
    return afx::WinMain(hInstance, lpCmdLine, nCmdShow);
}
