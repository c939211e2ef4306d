// The fake's own state rules, where a slip would let a page test pass that
// Windows would fail: injected keys go through the hooks in order, and only
// an event no hook swallowed changes the key state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keyboard/testing/FakeHookSystem.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

// Each hook call as "<hook><key>", low-level ones with "i" when the event is
// marked injected. 'n' is the newer low-level hook, 'm' the message hook.
std::vector<std::string> g_seen;
bool g_newerSwallows = false;

template <char Name>
LRESULT CALLBACK recorder(int code, WPARAM wParam, LPARAM lParam) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    g_seen.push_back(Name + std::to_string(Name != 'm' ? event->vkCode : wParam) +
                     (Name != 'm' && (event->flags & LLKHF_INJECTED) ? "i" : ""));
    if (Name == 'n' && g_newerSwallows) return 1;
    return hookEnvironment().hooks->callNextHookEx(nullptr, code, wParam, lParam);
}

TEST(FakeHookDelivery, InjectedEventsGoThroughTheHooksInOrderAndOnlyUnswallowedOnesChangeTheKeyState) {
    ScopedHookEnvironment env;
    g_seen.clear(), g_newerSwallows = false;
    env.hooks.setWindowsHookEx(WH_KEYBOARD_LL, recorder<'o'>, env.hooks.instance, 0);
    env.hooks.setWindowsHookEx(WH_KEYBOARD, recorder<'m'>, nullptr, env.hooks.threadId);
    env.hooks.setWindowsHookEx(WH_KEYBOARD_LL, recorder<'n'>, env.hooks.instance, 0);
    env.keyboard.sendKeyEvent(VK_CAPITAL, 0x3A, 0);
    env.keyboard.sendKeyEvent(VK_CAPITAL, 0x3A, KEYEVENTF_KEYUP);
    env.keyboard.sendKeyEvent(VK_NUMLOCK, 0x45, 0);
    env.keyboard.sendKeyEvent(VK_NUMLOCK, 0x45, 0);  // a repeat: no new flip
    EXPECT_EQ(env.keyboard.getKeyState(VK_CAPITAL), 0);
    env.deliverInjected();
    EXPECT_EQ(g_seen, (std::vector<std::string>{"n20i", "o20i", "m20", "n20i", "o20i", "m20", "n144i", "o144i",
                                                "m144", "n144i", "o144i", "m144"}));
    EXPECT_EQ(env.keyboard.getKeyState(VK_CAPITAL), 1);
    EXPECT_EQ(env.keyboard.getKeyState(VK_NUMLOCK), static_cast<SHORT>(0xFF81));
    g_seen.clear(), g_newerSwallows = true;
    env.keyboard.sendKeyEvent(VK_CAPITAL, 0x3A, 0);
    env.deliverInjected();
    EXPECT_EQ(g_seen, std::vector<std::string>{"n20i"});
    EXPECT_EQ(env.keyboard.getKeyState(VK_CAPITAL), 1);
}

}  // namespace
