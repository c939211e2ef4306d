// The hooks' owners and procedures against a fake hook system: who installs
// and removes each hook, what reaches the test and what the next hook.
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>
#include <vector>

#include "keyboard/FilterHooks.h"
#include "keyboard/KeyboardHook.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "kvo/Logging.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::logLines;
using kvorkeyboard::testing::ScopedHookEnvironment;

namespace {

struct RecordingTarget final : KeyboardHookTarget {
    std::vector<LPARAM> calls;
    bool breaks = false;
    std::exception_ptr failure;
    LRESULT keyboardHookHandler(WPARAM, LPARAM lParam) override {
        calls.push_back(lParam);
        if (breaks) throw std::runtime_error("broken test");
        return 0;
    }
    void keyboardHookFailed(std::exception_ptr e) noexcept override { failure = e; }
};

template <class Installed>
auto asInstalled(const Installed& h) { return std::make_tuple(h.idHook, h.procedure, h.module, h.threadId); }

class KeyboardHookTest : public ::testing::Test {
protected:
    static LRESULT hook(int code, LPARAM lParam) { return KeyboardHookProc(code, WM_KEYDOWN, lParam); }
    ScopedHookEnvironment env;
    RecordingTarget first, second;
};

TEST_F(KeyboardHookTest, ActionsGoToTheTargetAloneEvenWhenItBreaksEverythingElseToTheNextHook) {
    const KeyboardHook owner = KeyboardHook::install(first, false);
    EXPECT_EQ(asInstalled(env.hooks.installed.at(0)),
              std::make_tuple(WH_KEYBOARD_LL, &KeyboardHookProc, env.hooks.instance, DWORD{0}));
    EXPECT_EQ(hook(HC_ACTION, 1), 0);  // a target's 0 is returned as is, not passed on
    EXPECT_EQ(env.hooks.forwarded, 0);
    EXPECT_EQ(hook(HC_NOREMOVE, 2), env.hooks.nextHookResult);
    EXPECT_EQ(first.calls, std::vector<LPARAM>{1});
    first.breaks = true;  // and has nothing to say about the key: it stays here
    EXPECT_EQ(hook(HC_ACTION, 4), 1);
    EXPECT_EQ(env.hooks.forwarded, 1);
    EXPECT_THROW(std::rethrow_exception(first.failure), std::runtime_error);
}

TEST_F(KeyboardHookTest, OnlyTheFirstInstallerOwnsTheHookAndItGoesExactlyOnce) {
    KeyboardHook owner = KeyboardHook::install(first, false);
    EXPECT_FALSE(KeyboardHook::install(second, true));  // and its empty owner removes nothing
    hook(HC_ACTION, 1);
    EXPECT_EQ(first.calls.size(), 1u);
    KeyboardHook moved = std::move(owner);
    owner.reset();
    EXPECT_TRUE(env.hooks.removed.empty());
    moved = KeyboardHook();
    EXPECT_EQ(env.hooks.removed, std::vector<HHOOK>{env.hooks.installed[0].handle});
    EXPECT_EQ(hook(HC_ACTION, 2), env.hooks.nextHookResult);
    EXPECT_TRUE(KeyboardHook::install(second, false));
}

// The combinations are TaskSwitchRules' table; here, how the procedures are
// installed, that they sample each key they need and pass on what they let through.
TEST_F(KeyboardHookTest, FilterHooksSwallowAppCommandsAndTaskSwitchKeys) {
    const FilterHooks filters;
    const auto& hooks = env.hooks.installed;
    EXPECT_EQ(asInstalled(hooks.at(0)), std::make_tuple(WH_SHELL, &ShellProc, HINSTANCE{}, env.hooks.threadId));
    EXPECT_EQ(asInstalled(hooks.at(1)),
              std::make_tuple(WH_KEYBOARD_LL, &LowLevelKeyboardProc, env.hooks.instance, DWORD{0}));
    EXPECT_EQ(ShellProc(HSHELL_APPCOMMAND, 0, 0), 1);
    EXPECT_EQ(ShellProc(HSHELL_WINDOWCREATED, 9, 10), env.hooks.nextHookResult);
    // Ctrl+Esc, Alt+Shift+Esc; Alt is the event's flag, not a held Alt key.
    const struct { DWORD vk, flags; std::vector<int> held; LRESULT result; } keys[] = {
        {VK_ESCAPE, 0, {VK_CONTROL}, 1}, {VK_LSHIFT, LLKHF_ALTDOWN, {VK_SHIFT, VK_ESCAPE}, 1},
        {VK_TAB, 0, {VK_MENU}, env.hooks.nextHookResult}};
    for (const auto& k : keys) {
        for (int key : k.held) env.keyboard.press(key);
        KBDLLHOOKSTRUCT event{k.vk, 0, k.flags, 0, 0};
        EXPECT_EQ(LowLevelKeyboardProc(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&event)), k.result) << k.vk;
        for (int key : k.held) env.keyboard.release(key);
    }
    env.keyboard.press(VK_CONTROL);
    EXPECT_EQ(LowLevelKeyboardProc(-1, WM_KEYDOWN, 0), env.hooks.nextHookResult);  // not HC_ACTION: unread
}

// A refused hook is logged, and a later install tries again.
TEST_F(KeyboardHookTest, RefusedHooksAreLogged) {
    kvo::ScopedLogCapture capture(1);
    env.hooks.refuse = {WH_SHELL, WH_KEYBOARD_LL}, env.hooks.lastError = 1428;
    { FilterHooks refused; }
    EXPECT_FALSE(KeyboardHook::install(first, false));
    EXPECT_EQ(logLines(capture, "kvorkeyboard.HookKeyboardHandler"),
              (std::vector<std::string>{"3:Failed to install ShellProc hook, so all media buttons will not be blocked",
                                        "3:Failed to install LowLevelKeyboardProc with error 1428"}));
    EXPECT_EQ(logLines(capture, "kvorkeyboard.KeyboardHook"),
              std::vector<std::string>{"5:Failed to install hook with error 1428"});
    const KeyboardHook threadLocal = KeyboardHook::install(first, true);
    EXPECT_EQ(asInstalled(env.hooks.installed.at(0)),
              std::make_tuple(WH_KEYBOARD, &KeyboardHookProc, HINSTANCE{}, env.hooks.threadId));
}

}  // namespace
