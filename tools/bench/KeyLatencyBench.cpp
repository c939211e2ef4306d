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
#include <string>
#include <vector>

#include "VisibleDescendant.h"

namespace {

constexpr int kHistoryId = 1203;
constexpr double kGiveUpSeconds = 2.0;
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

// Polls until the screen shows the key; the figure in ms, or negative if it never did.
template <class Shown>
double pressAndWait(WORD vk, Shown shown, double giveUp = kGiveUpSeconds) {
    const double start = seconds();
    send({keyInput(vk, true)});
    bool seen = false;
    double end = start;
    do {
        seen = shown();
        end = seconds();
    } while (!seen && end - start < giveUp);
    const double latency = seen ? (end - start) * 1000 : -1;
    send({keyInput(vk, false)});
    ::Sleep(30);  // the release is handled before the next press is timed
    return latency;
}

void printFigures(const char* what, std::vector<double> latencies, int missed) {
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty()) {
        std::printf("%s: no key reached the screen (%d missed)\n", what, missed);
        return;
    }
    std::printf("%s: %zu keys, median %.2f ms, worst %.2f ms, missed %d\n", what, latencies.size(),
                latencies[latencies.size() / 2], latencies.back(), missed);
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
    while ((reached = historyLines(history) - before) < kBurstKeys && seconds() - start < kBurstGiveUpSeconds) {
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
    std::vector<double> latencies;
    int missed = 0;
    for (int n = 0; n < keys; ++n) {
        const int before = historyLines(history);
        const double ms = pressAndWait(letterFor(n), [&] { return historyLines(history) > before; });
        if (ms < 0)
            ++missed;
        else
            latencies.push_back(ms);
    }
    printFigures("simple test, key to history line", latencies, missed);
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
    std::vector<double> latencies;
    int missed = 0;
    int absent = 0;
    for (const WORD vk : pictureKeys()) {
        const HWND key = findVisibleDescendant(frame, static_cast<int>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)));
        if (!key) {
            ++absent;
            continue;
        }
        const double ms = pressAndWait(vk, [key] { return !::IsWindowVisible(key); });
        if (ms < 0)
            ++missed;
        else
            latencies.push_back(ms);
    }
    if (absent) std::printf("%d keys not shown in the picture before their press\n", absent);
    printFigures("layout test, key to picture key hidden", latencies, missed);
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
