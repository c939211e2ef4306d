// Answers questions about the Windows side that X11 tools cannot: where a
// dialog's control is on the screen (so a test can click it like a person),
// and the keyboard settings a run must leave as it found them.
//
// It stays up for a whole run, since a Wine process takes the better part of a
// second to start and a run asks hundreds of questions: one per line on
// stdin, in UTF-8, its fields separated by tabs.
//
//   rect <window title> <control id>    -> "left top right bottom"
//   text <window title> <control id>    -> the control's text
//   enabled <window title> <control id> -> 1 or 0
//   dropped <window title> <control id> -> 1 or 0: a combo box's list is open
//   state                               -> one "name=value" per line
//
// Each answer ends with a line of its own: "\x1e" and 0 (answered), 1 (no
// such window or control) or 64 (not a question).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "VisibleDescendant.h"
#include "kvo/String.h"

namespace {

// A control of the window itself, or of a page hosted inside it.
HWND findTarget(const wchar_t* title, int controlId) {
    const HWND window = ::FindWindowW(nullptr, title);
    if (!window || controlId == 0) return window;
    const HWND control = ::GetDlgItem(window, controlId);
    return control ? control : findVisibleDescendant(window, controlId);
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
    std::printf("%s\n", kvo::String(text).toUtf8().c_str());
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

int answer(std::wstring question) {
    const wchar_t* kind = std::wcstok(question.data(), L"\t");
    const wchar_t* title = std::wcstok(nullptr, L"\t");
    const wchar_t* id = std::wcstok(nullptr, L"\t");
    if (kind && std::wcscmp(kind, L"state") == 0 && !title) return printState();
    if (!kind || !id) return 64;
    if (std::wcscmp(kind, L"rect") == 0) return printRect(title, _wtoi(id));
    if (std::wcscmp(kind, L"text") == 0) return printText(title, _wtoi(id));
    if (std::wcscmp(kind, L"enabled") == 0 || std::wcscmp(kind, L"dropped") == 0)
        return printFlag(kind, title, _wtoi(id));
    return 64;
}

}  // namespace

int main() {
    char line[4096];
    while (std::fgets(line, sizeof line, stdin)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        std::printf("\x1e%d\n", answer(kvo::String(line).str()));
        std::fflush(stdout);
    }
    return 0;
}
