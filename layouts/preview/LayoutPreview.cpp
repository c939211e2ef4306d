// Shows a layout library's picture the way the layout test will show it, so
// a technician can check a new keyboard without running the diagnostics:
//   LayoutPreview.exe MyKeyboard.kbl
#include <windows.h>

#include <cstdio>

#include "afx/ScopedWin.h"

namespace {

LRESULT CALLBACK previewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The picture's template as the layout test looks for it: the user's language
// first, then US English.
LPCDLGTEMPLATEW findPicture(HMODULE library) {
    for (LANGID language : {GetUserDefaultLangID(), LANGID{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)}}) {
        HRSRC resource = FindResourceExW(library, RT_DIALOG, MAKEINTRESOURCEW(2), language);
        HGLOBAL loaded = resource != nullptr ? LoadResource(library, resource) : nullptr;
        if (loaded != nullptr) return static_cast<LPCDLGTEMPLATEW>(LockResource(loaded));
    }
    return nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    afx::ScopedLibrary library(LoadLibraryExW(commandLine, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    LPCDLGTEMPLATEW picture = library ? findPicture(library.get()) : nullptr;
    if (picture == nullptr) {
        std::fprintf(stderr, "%ls: no layout library with a picture (error %lu)\n", commandLine, GetLastError());
        return 1;
    }
    wchar_t name[64] = {};
    if (LoadStringW(library.get(), 1, name, 64) == 0) lstrcpynW(name, commandLine, 64);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = previewProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"KvoLayoutPreview";
    RegisterClassW(&windowClass);
    afx::ScopedWindow frame(CreateWindowExW(0, windowClass.lpszClassName, name, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                            0, 0, 1000, 400, nullptr, nullptr, instance, nullptr));
    HWND keys = frame ? CreateDialogIndirectParamW(instance, picture, frame.get(), nullptr, 0) : nullptr;
    if (keys == nullptr) {
        std::fprintf(stderr, "%ls: the picture could not be created (error %lu)\n", commandLine, GetLastError());
        return 1;
    }
    RECT size{};
    GetWindowRect(keys, &size);
    AdjustWindowRect(&size, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
    SetWindowPos(frame.get(), nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(frame.get(), SW_SHOW);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
