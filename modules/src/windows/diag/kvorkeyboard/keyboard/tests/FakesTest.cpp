// The fakes' own rules, where a slip would let a test pass that Windows
// would fail: injected keys delivered through the hook chains in order, the
// key state they change only then, the process table's snapshot and handles.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "keyboard/testing/FakeHookSystem.h"
#include "system/testing/FakeProcessSystem.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

// Each hook call as "<hook> <wParam> <event flags or keystroke word>", in hex.
std::vector<std::string> g_seen;
bool g_newerSwallows = false;

// Hook 'n', the newer low-level one, injects a Num Lock press when it sees
// Caps Lock pressed; 'm' is the thread's message hook.
template <char Name>
LRESULT CALLBACK recorder(int code, WPARAM wParam, LPARAM lParam) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    char line[40];
    std::snprintf(line, sizeof line, "%c %x %x", Name, static_cast<unsigned>(wParam),
                  Name == 'm' ? static_cast<unsigned>(lParam) : static_cast<unsigned>(event->flags));
    g_seen.push_back(line);
    if (Name == 'n' && event->vkCode == VK_CAPITAL && !(event->flags & LLKHF_UP))
        hookEnvironment().keyboard->sendKeyEvent(VK_NUMLOCK, 0x45, 0);
    if (Name == 'n' && g_newerSwallows) return 1;
    return hookEnvironment().hooks->callNextHookEx(nullptr, code, wParam, lParam);
}

// A removed hook and a refused one get nothing.
class FakeHookDelivery : public ::testing::Test {
protected:
    FakeHookDelivery() {
        g_seen.clear(), g_newerSwallows = false;
        env.hooks.setWindowsHookEx(WH_KEYBOARD_LL, recorder<'o'>, env.hooks.instance, 0);
        env.hooks.setWindowsHookEx(WH_KEYBOARD, recorder<'m'>, nullptr, env.hooks.threadId);
        env.hooks.setWindowsHookEx(WH_KEYBOARD_LL, recorder<'n'>, env.hooks.instance, 0);
        env.hooks.unhookWindowsHookEx(env.hooks.setWindowsHookEx(WH_KEYBOARD, recorder<'x'>, nullptr, env.hooks.threadId));
        env.hooks.refuse = {WH_KEYBOARD_LL};
        env.hooks.setWindowsHookEx(WH_KEYBOARD_LL, recorder<'x'>, env.hooks.instance, 0);
    }
    void send(BYTE vk, BYTE scan, DWORD flags) { env.keyboard.sendKeyEvent(vk, scan, flags), env.deliverInjected(); }
    ScopedHookEnvironment env;
};

// Newest low-level hook first, then the message hook; an event injected by
// a hook queues behind those already sent. The key state changes only as
// each event goes through, and a new press flips the toggle bit.
TEST_F(FakeHookDelivery, InjectedEventsGoThroughTheHooksInOrderAndOnlyThenChangeTheKeyState) {
    env.keyboard.sendKeyEvent(VK_CAPITAL, 0x3A, KEYEVENTF_EXTENDEDKEY);
    env.keyboard.sendKeyEvent(VK_CAPITAL, 0x3A, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
    EXPECT_EQ(env.keyboard.getKeyState(VK_CAPITAL), 0);
    env.deliverInjected();
    send(VK_NUMLOCK, 0x45, 0);  // a repeat: was down, no flip
    EXPECT_EQ(g_seen, (std::vector<std::string>{"n 100 11", "o 100 11", "m 14 13a0001", "n 101 91", "o 101 91",
                                                "m 14 c13a0001", "n 100 10", "o 100 10", "m 90 450001", "n 100 10",
                                                "o 100 10", "m 90 40450001"}));
    EXPECT_EQ(env.keyboard.getKeyState(VK_CAPITAL), 1);
    EXPECT_EQ(env.keyboard.getKeyState(VK_NUMLOCK), static_cast<SHORT>(0xFF81));
}

// A swallowed event reaches neither the older hooks nor the key state. With
// Alt held a key is a system key, unless Ctrl is held too.
TEST_F(FakeHookDelivery, ASwallowedEventGoesNowhereAndAltMakesSystemKeys) {
    g_newerSwallows = true;
    send(VK_CAPITAL, 0x3A, 0);
    EXPECT_EQ(env.keyboard.getKeyState(VK_CAPITAL) | env.keyboard.getKeyState(VK_NUMLOCK), 0);
    g_newerSwallows = false;
    env.keyboard.press(VK_MENU);
    send('P', 0x19, 0);
    env.keyboard.press(VK_CONTROL);
    send('P', 0x19, KEYEVENTF_KEYUP);
    env.keyboard.release(VK_CONTROL);
    send(VK_MENU, 0x38, KEYEVENTF_KEYUP);
    EXPECT_EQ(g_seen, (std::vector<std::string>{"n 100 10", "n 100 10", "n 104 30", "o 104 30", "m 50 20190001",
                                                "n 101 b0", "o 101 b0", "m 50 c0190001", "n 105 90", "o 105 90",
                                                "m 12 c0380001"}));
}

// A snapshot walks the table as it was taken and wants each entry's size set
// again; a handle left open or closed twice shows.
TEST(FakeProcessSystem, ASnapshotOutlivesATerminationAndEveryHandleIsCounted) {
    FakeProcessSystem processes;
    processes.processes = {{1, L"a.exe"}, {2, L"b.exe"}};
    const HANDLE snapshot = processes.createProcessSnapshot(), b = processes.openProcess(PROCESS_TERMINATE, 2);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    EXPECT_TRUE(processes.terminateProcess(b, 0) && processes.firstProcess(snapshot, entry));
    EXPECT_TRUE(processes.nextProcess(snapshot, entry) && std::wstring(entry.szExeFile) == L"b.exe");
    processes.closeHandle(b), processes.closeHandle(b);
    EXPECT_EQ(std::make_tuple(processes.openHandles(), processes.misuses, processes.unprivileged),
              std::make_tuple(std::size_t{1}, 2, 1));
}

}  // namespace
