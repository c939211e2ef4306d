// Answers questions about the Windows side that X11 tools cannot: where a
// dialog's control is on the screen (so a test can click it like a person),
// and the keyboard settings a run must leave as it found them.
//
//   WindowProbe rect <window title> <control id>   -> "left top right bottom"
//   WindowProbe text <window title> <control id>   -> the control's text (UTF-8)
//   WindowProbe enabled <window title> <control id> -> 1 or 0
//   WindowProbe dropped <window title> <control id> -> 1 or 0: a combo box's list is open
//   WindowProbe state                              -> one "name=value" per line
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "VisibleDescendant.h"

namespace {

// A control of the window itself, or of a page hosted inside it.
HWND findTarget(const wchar_t* title, int controlId) {
    const HWND window = ::FindWindowW(nullptr, title);
    if (!window || controlId == 0) return window;
    const HWND control = ::GetDlgItem(window, controlId);
    return control ? control : findVisibleDescendant(window, controlId);
}

void printUtf8(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
}

int printRect(const wchar_t* title, int controlId) {
    const HWND control = findTarget(title, controlId);
    RECT rect;
    if (!control || !::GetWindowRect(control, &rect)) return 1;
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int printText(const wchar_t* title, int controlId) {
    const HWND control = findTarget(title, controlId);
    if (!control) return 1;
    // GetWindowTextW reads another process's edit control as empty: only the
    // message reaches the control's own buffer.
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return 1;
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, 2000, &copied))
        return 1;
    text.resize(copied);
    printUtf8(text);
    return 0;
}

// "enabled": whether the control takes input; "dropped": whether a combo box's list is open.
int printFlag(const wchar_t* question, const wchar_t* title, int controlId) {
    const HWND control = findTarget(title, controlId);
    const bool enabled = std::wcscmp(question, L"enabled") == 0;
    DWORD_PTR dropped = 0;
    if (!control || (!enabled && !::SendMessageTimeoutW(control, CB_GETDROPPEDSTATE, 0, 0, SMTO_ABORTIFHUNG,
                                                         2000, &dropped)))
        return 1;
    std::printf("%d\n", (enabled ? ::IsWindowEnabled(control) : dropped) ? 1 : 0);
    return 0;
}

template <class Setting>
void printFlags(const char* name, UINT action, Setting setting) {
    setting.cbSize = sizeof(setting);
    if (::SystemParametersInfoW(action, sizeof(setting), &setting, 0))
        std::printf("%s=%lu\n", name, static_cast<unsigned long>(setting.dwFlags));
    else
        std::printf("%s=unreadable\n", name);
}

int printState() {
    printFlags("stickykeys", SPI_GETSTICKYKEYS, STICKYKEYS{});
    printFlags("togglekeys", SPI_GETTOGGLEKEYS, TOGGLEKEYS{});
    printFlags("filterkeys", SPI_GETFILTERKEYS, FILTERKEYS{});
    std::printf("numlock=%d\n", ::GetKeyState(VK_NUMLOCK) & 1);
    std::printf("capslock=%d\n", ::GetKeyState(VK_CAPITAL) & 1);
    std::printf("scrolllock=%d\n", ::GetKeyState(VK_SCROLL) & 1);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"state") == 0) return printState();
    if (argc == 4 && std::wcscmp(argv[1], L"rect") == 0) return printRect(argv[2], _wtoi(argv[3]));
    if (argc == 4 && std::wcscmp(argv[1], L"text") == 0) return printText(argv[2], _wtoi(argv[3]));
    if (argc == 4 && (std::wcscmp(argv[1], L"enabled") == 0 || std::wcscmp(argv[1], L"dropped") == 0))
        return printFlag(argv[1], argv[2], _wtoi(argv[3]));
    std::fprintf(stderr, "usage: WindowProbe rect|text|enabled|dropped <window title> <control id> | state\n");
    return 64;
}
