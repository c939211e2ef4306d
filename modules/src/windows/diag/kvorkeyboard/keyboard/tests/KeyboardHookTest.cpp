// The hook procedures' forwarding rules and the hooks' life, against a fake
// hook system: what reaches the test, what reaches the next hook, and what
// is logged when Windows refuses a hook.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "keyboard/FilterHooks.h"
#include "keyboard/KeyboardHook.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "system/testing/LogLines.h"
#include "kvo/Logging.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeHookSystem;
using kvorkeyboard::testing::logLines;
using kvorkeyboard::testing::ScopedHookEnvironment;

namespace {

struct RecordingTarget final : KeyboardHookTarget {
    std::vector<std::pair<WPARAM, LPARAM>> calls;
    LRESULT answer = 0;
    bool fails = false;
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override {
        calls.emplace_back(wParam, lParam);
        if (fails) throw std::runtime_error("broken test");
        return answer;
    }
};

template <class Installed>
auto asInstalled(const Installed& h) {
    return std::make_tuple(h.idHook, h.procedure, h.module, h.threadId);
}

void expectInstalled(const FakeHookSystem::Installed& hook, int kind, HOOKPROC procedure, HINSTANCE module,
                     DWORD thread) {
    EXPECT_EQ(hook.idHook, kind);
    EXPECT_EQ(hook.procedure, procedure);
    EXPECT_EQ(hook.module, module);
    EXPECT_EQ(hook.threadId, thread);
}

class KeyboardHookTest : public ::testing::Test {
protected:
    void TearDown() override { KeyboardHook::uninstall(); }
    ScopedHookEnvironment env;
    RecordingTarget first, second;
    kvo::ScopedLogCapture capture{1};
};

TEST_F(KeyboardHookTest, EachKindIsInstalledAsWindowsWantsIt) {
    KeyboardHook::install(&first, false);
    KeyboardHook::uninstall();
    KeyboardHook::install(&first, true);
    ASSERT_EQ(env.hooks.installed.size(), 2u);
    expectInstalled(env.hooks.installed[0], WH_KEYBOARD_LL, &KeyboardHookProc, env.hooks.instance, 0);
    expectInstalled(env.hooks.installed[1], WH_KEYBOARD, &KeyboardHookProc, nullptr, env.hooks.threadId);
}

TEST_F(KeyboardHookTest, ActionsGoToTheTargetAloneEverythingElseToTheNextHook) {
    KeyboardHook::install(&first, false);
    first.answer = 0;  // a target's 0 is returned as is, not forwarded
    EXPECT_EQ(KeyboardHookProc(HC_ACTION, WM_KEYDOWN, 0x1234), 0);
    first.answer = 1;
    EXPECT_EQ(KeyboardHookProc(HC_ACTION, 0x41, 0xC01E0001), 1);
    EXPECT_TRUE(env.hooks.forwarded.empty());
    EXPECT_EQ(KeyboardHookProc(HC_NOREMOVE, 0x41, 7), env.hooks.nextHookResult);
    EXPECT_EQ(KeyboardHookProc(-1, 0x42, 8), env.hooks.nextHookResult);
    const std::vector<std::pair<WPARAM, LPARAM>> expected{{WM_KEYDOWN, 0x1234}, {0x41, 0xC01E0001}};
    EXPECT_EQ(first.calls, expected);
    ASSERT_EQ(env.hooks.forwarded.size(), 2u);
    EXPECT_EQ(env.hooks.forwarded[1].hook, g_hKeyboardHook);
    EXPECT_EQ(env.hooks.forwarded[1].code, -1);
    EXPECT_EQ(env.hooks.forwarded[1].wParam, 0x42u);
    EXPECT_EQ(env.hooks.forwarded[1].lParam, 8);
    KeyboardHook::uninstall();
    EXPECT_EQ(KeyboardHookProc(HC_ACTION, 0x43, 9), env.hooks.nextHookResult);
    EXPECT_EQ(first.calls.size(), 2u);
}

TEST_F(KeyboardHookTest, TheFirstTargetKeepsTheHookAndUninstallTwiceIsHarmless) {
    KeyboardHook::install(&first, false);
    KeyboardHook::install(&second, true);
    KeyboardHookProc(HC_ACTION, WM_KEYUP, 1);
    EXPECT_EQ(first.calls.size(), 1u);
    EXPECT_TRUE(second.calls.empty());
    const HHOOK handle = g_hKeyboardHook;
    KeyboardHook::uninstall();
    KeyboardHook::uninstall();
    EXPECT_EQ(env.hooks.removed, std::vector<HHOOK>{handle});
    KeyboardHook::install(&second, false);
    EXPECT_EQ(g_pHookTarget, &second);
    EXPECT_EQ(env.hooks.installed.size(), 2u);
}

TEST_F(KeyboardHookTest, ARefusedHookIsLoggedAndTriedAgainNextTime) {
    env.hooks.refuse = {WH_KEYBOARD_LL};
    env.hooks.lastError = 5;
    KeyboardHook::install(&first, false);
    EXPECT_EQ(g_pHookTarget, nullptr);
    EXPECT_EQ(logLines(capture, "kvorkeyboard.KeyboardHook"),
              std::vector<std::string>{"5:Failed to install hook with error 5"});
    KeyboardHook::uninstall();
    EXPECT_TRUE(env.hooks.removed.empty());
    env.hooks.refuse.clear();
    KeyboardHook::install(&first, false);
    EXPECT_EQ(g_pHookTarget, &first);
}

TEST_F(KeyboardHookTest, AFailingTargetLetsTheKeyGoOn) {
    KeyboardHook::install(&first, false);
    first.fails = true;
    EXPECT_EQ(KeyboardHookProc(HC_ACTION, WM_KEYDOWN, 3), env.hooks.nextHookResult);
    EXPECT_EQ(logLines(capture, "kvorkeyboard.KeyboardHook"),
              std::vector<std::string>{"4:The test failed to handle a keystroke"});
}

class FilterHooksTest : public ::testing::Test {
protected:
    LRESULT lowLevel(DWORD vk, DWORD flags, std::initializer_list<int> held) {
        for (int key : held) env.keyboard.press(key);
        KBDLLHOOKSTRUCT event{vk, 0, flags, 0, 0};
        const LRESULT result = LowLevelKeyboardProc(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&event));
        for (int key : held) env.keyboard.release(key);
        return result;
    }
    std::set<HHOOK> removed() const { return {env.hooks.removed.begin(), env.hooks.removed.end()}; }
    ScopedHookEnvironment env;
};

TEST_F(FilterHooksTest, EachOwnerRemovesTheHooksItInstalledAndNoOthersAndRefusedOnesAreLogged) {
    std::optional<FilterHooks> older(std::in_place);
    { FilterHooks newer; }
    const auto& hooks = env.hooks.installed;
    EXPECT_EQ(asInstalled(hooks.at(0)), std::make_tuple(WH_SHELL, &ShellProc, HINSTANCE{}, env.hooks.threadId));
    EXPECT_EQ(asInstalled(hooks.at(1)),
              std::make_tuple(WH_KEYBOARD_LL, &LowLevelKeyboardProc, env.hooks.instance, DWORD{0}));
    EXPECT_EQ(removed(), (std::set<HHOOK>{hooks.at(2).handle, hooks.at(3).handle}));
    older.reset();
    EXPECT_EQ(removed().size(), 4u);

    kvo::ScopedLogCapture capture(1);
    env.hooks.refuse = {WH_SHELL, WH_KEYBOARD_LL};
    env.hooks.lastError = 1428;
    { FilterHooks refused; }
    EXPECT_EQ(logLines(capture, "kvorkeyboard.HookKeyboardHandler"),
              (std::vector<std::string>{"3:Failed to install ShellProc hook, so all media buttons will not be blocked",
                                        "3:Failed to install LowLevelKeyboardProc with error 1428"}));
    EXPECT_EQ(env.hooks.removed.size(), 4u);  // each once, and none that was refused
}

// The combinations themselves are TaskSwitchRules' table; here, that the
// procedures sample each key they need and pass on what they let through.
TEST_F(FilterHooksTest, ApplicationCommandsAndTaskSwitchKeysAreSwallowedAndTheRestPassed) {
    EXPECT_EQ(ShellProc(HSHELL_APPCOMMAND, 0, 0), 1);
    EXPECT_EQ(lowLevel(VK_ESCAPE, 0, {VK_CONTROL}), 1);                       // Ctrl+Esc
    EXPECT_EQ(lowLevel(VK_LSHIFT, LLKHF_ALTDOWN, {VK_SHIFT, VK_ESCAPE}), 1);  // Alt+Shift+Esc
    EXPECT_TRUE(env.hooks.forwarded.empty());
    EXPECT_EQ(ShellProc(HSHELL_WINDOWCREATED, 9, 10), env.hooks.nextHookResult);
    // Alt is the event's flag, not the key state: a held Alt key without the flag does not count.
    EXPECT_EQ(lowLevel(VK_TAB, 0, {VK_MENU}), env.hooks.nextHookResult);
    env.keyboard.press(VK_CONTROL);
    EXPECT_EQ(LowLevelKeyboardProc(-1, WM_KEYDOWN, 0), env.hooks.nextHookResult);  // not HC_ACTION: unread
}

}  // namespace
