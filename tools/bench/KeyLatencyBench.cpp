// How long a key takes from SendInput to the running module's screen: the
// history line of the simple test, or the key of the layout picture
// disappearing. Runs beside the module in the same Wine prefix and display;
// the module's window must have the focus.
//   KeyLatencyBench simple <window title> [keys]
//   KeyLatencyBench layout <window title>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "VisibleDescendant.h"

namespace {

constexpr int kHistoryId = 1203;
constexpr double kGiveUpSeconds = 2.0;
// Counted from the end of SendInput, which under Wine waits for the hook.
constexpr double kBurstGiveUpSeconds = 60.0;
constexpr int kBurstKeys = 1000;

double seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Only the message reaches another process's edit buffer; a hung module
// reads as no lines rather than stalling the bench.
int historyLines(HWND history) {
    static wchar_t text[65536];
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(history, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, 2000, &copied) ||
        copied == 0)
        return 0;
    return 1 + static_cast<int>(std::count(text, text + copied, L'\n'));
}

INPUT keyInput(WORD vk, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}

void send(std::vector<INPUT> inputs) {
    if (::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        std::fprintf(stderr, "SendInput took fewer events than given: %lu\n", ::GetLastError());
}

void printMedianAndWorst(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    if (!ms.empty())
        std::printf("%s: %zu keys, median %.2f ms, worst %.2f ms\n", what, ms.size(), ms[ms.size() / 2], ms.back());
}

struct Figures {
    std::vector<double> shown;
    // Wine's SendInput returns once the module's low-level hook has handled
    // the event, so a release's call time is what the module spends on it.
    std::vector<double> released;
    int missed = 0;

    void print(const char* what) const {
        std::printf("%s: missed %d\n", what, missed);
        printMedianAndWorst("  press to screen", shown);
        printMedianAndWorst("  SendInput of the release", released);
    }
};

// Polls until the screen shows the pressed key, then releases it.
template <class Shown>
void pressAndWait(WORD vk, Shown shown, Figures& figures) {
    const double start = seconds();
    send({keyInput(vk, true)});
    bool seen = false;
    double end = start;
    do {
        seen = shown();
        end = seconds();
    } while (!seen && end - start < kGiveUpSeconds);
    if (seen)
        figures.shown.push_back((end - start) * 1000);
    else
        ++figures.missed;
    const double release = seconds();
    send({keyInput(vk, false)});
    figures.released.push_back((seconds() - release) * 1000);
    ::Sleep(30);  // the release is handled before the next press is timed
}

// Alternating letters start a new history line each: a repeated letter would
// be taken as the key still held.
WORD letterFor(int n) { return n % 2 ? 'B' : 'A'; }

void burst(HWND history) {
    std::vector<INPUT> inputs;
    for (int n = 0; n < kBurstKeys; ++n) {
        inputs.push_back(keyInput(letterFor(n), true));
        inputs.push_back(keyInput(letterFor(n), false));
    }
    const int before = historyLines(history);
    const double start = seconds();
    send(inputs);
    const double sent = seconds();
    int reached = 0;
    while ((reached = historyLines(history) - before) < kBurstKeys && seconds() - sent < kBurstGiveUpSeconds) {
    }
    const double done = seconds();
    std::printf("burst of %d keystrokes: %d reached the history, missing %d; SendInput %.1f ms, all shown after %.1f ms\n",
                kBurstKeys, reached, kBurstKeys - reached, (sent - start) * 1000, (done - start) * 1000);
}

int simpleTest(HWND frame, int keys) {
    const HWND history = findVisibleDescendant(frame, kHistoryId);
    if (!history) {
        std::fprintf(stderr, "no visible history box (%d) in the window\n", kHistoryId);
        return 1;
    }
    Figures figures;
    for (int n = 0; n < keys; ++n) {
        const int before = historyLines(history);
        pressAndWait(letterFor(n), [&] { return historyLines(history) > before; }, figures);
    }
    figures.print("simple test, key to its history line");
    burst(history);
    return 0;
}

// Letters and digits: plain keys whose picture id is their scan code.
std::vector<WORD> pictureKeys() {
    std::vector<WORD> keys;
    for (WORD vk = 'A'; vk <= 'Z'; ++vk) keys.push_back(vk);
    for (WORD vk = '0'; vk <= '9'; ++vk) keys.push_back(vk);
    return keys;
}

int layoutTest(HWND frame) {
    Figures figures;
    int absent = 0;
    for (const WORD vk : pictureKeys()) {
        const HWND key = findVisibleDescendant(frame, static_cast<int>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)));
        if (!key) {
            ++absent;
            continue;
        }
        pressAndWait(vk, [key] { return !::IsWindowVisible(key); }, figures);
    }
    if (absent) std::printf("%d keys not shown in the picture before their press\n", absent);
    figures.print("layout test, key to its picture key hidden");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool simple = argc >= 3 && std::wcscmp(argv[1], L"simple") == 0;
    const bool layout = argc == 3 && std::wcscmp(argv[1], L"layout") == 0;
    if (!simple && !layout) {
        std::fprintf(stderr, "usage: KeyLatencyBench simple <window title> [keys] | layout <window title>\n");
        return 64;
    }
    const HWND frame = ::FindWindowW(nullptr, argv[2]);
    if (!frame) {
        std::fprintf(stderr, "no window with that title\n");
        return 1;
    }
    return simple ? simpleTest(frame, argc > 3 ? _wtoi(argv[3]) : 100) : layoutTest(frame);
}
