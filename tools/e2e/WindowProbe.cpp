// Answers questions about the Windows side that X11 tools cannot: where a
// dialog's control is on the screen (so a test can click it like a person),
// and the keyboard settings a run must leave as it found them.
//
// It stays up for a whole test run, because starting a Wine process costs the
// better part of a second and a test asks hundreds of times. One question per
// line on stdin, fields separated by tabs, UTF-8:
//
//   rect <window title> <control id>     -> "left top right bottom"
//   text <window title> <control id>     -> the control's text
//   enabled <window title> <control id>  -> 1 or 0
//   dropped <window title> <control id>  -> 1 or 0: a combo box's list is open
//   state                                -> one "name=value" per line
//
// Each answer is a header line "<status> <length>" (status 0 answered, 1 no
// such window or control, 64 not a question) and then <length> bytes of UTF-8.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "VisibleDescendant.h"

namespace {

struct Answer {
    int status = 0;
    std::string text;
};

const Answer kNotFound{1, ""};

std::wstring fromUtf8(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                          wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::string toUtf8(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                          utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                          nullptr)));
    return utf8;
}

// A control of the window itself, or of a page hosted inside it.
HWND findTarget(const std::wstring& title, int controlId) {
    const HWND window = ::FindWindowW(nullptr, title.c_str());
    if (!window || controlId == 0) return window;
    const HWND control = ::GetDlgItem(window, controlId);
    return control ? control : findVisibleDescendant(window, controlId);
}

Answer rect(HWND control) {
    RECT r;
    if (!control || !::GetWindowRect(control, &r)) return kNotFound;
    return {0, std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
                   std::to_string(r.bottom)};
}

Answer text(HWND control) {
    // GetWindowTextW reads another process's edit control as empty: only the
    // message reaches the control's own buffer.
    DWORD_PTR length = 0;
    if (!control || !::SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return kNotFound;
    std::wstring content(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(control, WM_GETTEXT, content.size(), reinterpret_cast<LPARAM>(content.data()),
                               SMTO_ABORTIFHUNG, 2000, &copied))
        return kNotFound;
    content.resize(copied);
    return {0, toUtf8(content)};
}

Answer enabled(HWND control) { return control ? Answer{0, ::IsWindowEnabled(control) ? "1" : "0"} : kNotFound; }

Answer dropped(HWND control) {
    DWORD_PTR open = 0;
    if (!control || !::SendMessageTimeoutW(control, CB_GETDROPPEDSTATE, 0, 0, SMTO_ABORTIFHUNG, 2000, &open))
        return kNotFound;
    return {0, open ? "1" : "0"};
}

template <class Setting>
std::string flags(const char* name, UINT action, Setting setting) {
    setting.cbSize = sizeof(setting);
    const bool read = ::SystemParametersInfoW(action, sizeof(setting), &setting, 0);
    return std::string(name) + "=" + (read ? std::to_string(setting.dwFlags) : "unreadable") + "\n";
}

Answer state() {
    return {0, flags("stickykeys", SPI_GETSTICKYKEYS, STICKYKEYS{}) +
                   flags("togglekeys", SPI_GETTOGGLEKEYS, TOGGLEKEYS{}) +
                   flags("filterkeys", SPI_GETFILTERKEYS, FILTERKEYS{}) +
                   "numlock=" + std::to_string(::GetKeyState(VK_NUMLOCK) & 1) + "\n" +
                   "capslock=" + std::to_string(::GetKeyState(VK_CAPITAL) & 1) + "\n" +
                   "scrolllock=" + std::to_string(::GetKeyState(VK_SCROLL) & 1) + "\n"};
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result(1);
    for (char c : line) {
        if (c == '\t')
            result.emplace_back();
        else
            result.back().push_back(c);
    }
    return result;
}

Answer answer(const std::string& line) {
    const std::vector<std::string> f = fields(line);
    if (f.size() == 1 && f[0] == "state") return state();
    if (f.size() != 3) return {64, "not a question: " + line};
    const HWND control = findTarget(fromUtf8(f[1]), std::atoi(f[2].c_str()));
    if (f[0] == "rect") return rect(control);
    if (f[0] == "text") return text(control);
    if (f[0] == "enabled") return enabled(control);
    if (f[0] == "dropped") return dropped(control);
    return {64, "not a question: " + line};
}

}  // namespace

int main() {
    // Lengths count bytes: nothing may turn "\n" into "\r\n" on the way.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::string line;
    for (int c; (c = std::getchar()) != EOF;) {
        if (c != '\n') {
            line.push_back(static_cast<char>(c));
            continue;
        }
        const Answer a = answer(line);
        std::printf("%d %zu\n", a.status, a.text.size());
        std::fwrite(a.text.data(), 1, a.text.size(), stdout);
        std::fflush(stdout);
        line.clear();
    }
    return 0;
}
