// The baseline for the start-up benchmark: the smallest program that is a
// Win32 GUI program, one that registers a window class, creates its window and
// ends. Under Wine that first touch of the window system connects the process
// to the desktop and loads the display driver, which every GUI program pays
// and the module does too.
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"MinimalWin32";
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowW(L"MinimalWin32", L"Minimal Win32", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                200, 100, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    DestroyWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    return 0;
}
