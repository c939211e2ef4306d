// The message-hook handler fed keystroke words as Windows builds them: the
// record it keeps by key identifier, and how it fetches each kind of name.
#include <gtest/gtest.h>

#include "keyboard/HookKeyboardHandler.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

enum Phase { Press, Repeat, Release };

LPARAM word(std::uint16_t scan, Phase phase = Press, bool alt = false) {
    return static_cast<LONG>(1 | (static_cast<std::uint32_t>(scan) << 16) | (alt ? 1u << 29 : 0) |
                             (phase != Press ? 1u << 30 : 0) | (phase == Release ? 1u << 31 : 0));
}

class HookHandlerTest : public ::testing::Test {
protected:
    std::string name() const { return handler.currentKey().name.toUtf8(); }
    ScopedHookEnvironment env;
    kvo::ScopedLogCapture capture{4};
    HookKeyboardHandler handler{env.keyboard};
};

TEST_F(HookHandlerTest, LampsFromTheStartAndFirstPressesAltAloneAndTheFilterHooks) {
    env.keyboard.setToggled(VK_CAPITAL, true);
    {
        HookKeyboardHandler fresh(env.keyboard);
        for (Phase phase : {Press, Repeat, Release}) fresh.handleKeystroke(VK_CAPITAL, word(0x3A, phase));
        fresh.handleKeystroke(VK_NUMLOCK, word(0x145));
        env.keyboard.setToggled(VK_SCROLL, true);  // read once, at the start
        EXPECT_EQ((std::vector<bool>{fresh.isCapsLockOn(), fresh.isNumLockOn(), fresh.isScrollLockOn()}),
                  (std::vector<bool>{false, true, false}));
        EXPECT_EQ(env.hooks.installed.size(), 4u);
    }
    EXPECT_EQ(env.hooks.removed.size(), 2u);
    EXPECT_EQ(handler.handleKeystroke(VK_MENU, word(0x138, Press, true)), KEY_IGNORED);
    EXPECT_EQ(handler.handleKeystroke(VK_MENU, word(0x138, Release)), KEY_PRESSED);  // Alt alone, remembered
    EXPECT_EQ(handler.getScanCode(), 0x138);
}

// Each step names one key; a name the rules keep stays from the step before.
// A key state that cannot be read is logged.
TEST_F(HookHandlerTest, NamesFromEachSource) {
    env.keyboard.mapped = {{0x36, VK_RSHIFT}, {0x1D, VK_LCONTROL}};
    env.keyboard.keyNames[static_cast<LONG>(word(0x138))] = L"Right Alt";
    const HKL us = env.keyboard.layout;
    // `count` and `text`: ToUnicodeEx's answer.
    const struct { WPARAM vk; std::uint16_t scan; HKL layout; int count; const wchar_t* text; const char* expected; } steps[] = {
        {VK_PRIOR, 0x49, us, 1, L"x", "keyNum9"}, {VK_PRIOR, 0x149, us, 1, L"x", "keyPageUp"}, {VK_MULTIPLY, 0x37, us, 1, L"x", "*"},
        {'A', 0x1E, us, 1, L"a", "a"}, {'A', 0x1E, us, -1, L"^", "a"}, {'A', 0x1E, us, 2, L"^e!", "^e"},  // dead keys
        {VK_SHIFT, 0x36, us, 1, L"x", "keyRightShift"}, {VK_CONTROL, 0x1D, us, 1, L"x", "keyLeftCtrl"},  // by side
        {VK_RMENU, 0x138, us, 1, L"x", "Right Alt"}, {0xDC, 0x29, us, 1, L"x", ""},  // the system's name, or none
        {0xC2, 0x7E, FakeKeyboardInput::layoutFor(0x0416), 1, L"x", "."}, {0xC2, 0x7E, us, 1, L"x", "."},
    };
    for (const auto& s : steps) {
        env.keyboard.layout = s.layout, env.keyboard.translateTo(s.count, s.text);
        handler.handleKeystroke(s.vk, word(s.scan));
        EXPECT_EQ(name(), s.expected) << std::hex << s.vk << " " << s.count;
    }
    env.keyboard.failGetKeyboardState = true;
    handler.handleKeystroke('A', word(0x1E));
    EXPECT_EQ(logLines(capture, "kvorkeyboard.HookKeyboardHandler"),
              (std::vector<std::string>{"4:unknown key pressed", "4:Error getting keyboard state"}));
}

}  // namespace
