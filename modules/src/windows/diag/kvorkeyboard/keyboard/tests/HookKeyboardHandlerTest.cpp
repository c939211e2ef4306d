// The message-hook handler fed keystroke words as Windows builds them: the
// records it keeps, the codes it returns, the names it gives.
#include <gtest/gtest.h>

#include "keyboard/HookKeyboardHandler.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "keyboard/testing/HandlerTestSupport.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

enum Phase { Press, Repeat, Release };

LPARAM word(std::uint16_t scan, Phase phase, bool alt = false, std::uint16_t repeat = 1) {
    std::uint32_t w = repeat | (static_cast<std::uint32_t>(scan & 0x1FF) << 16);
    if (alt) w |= 1u << 29;
    if (phase != Press) w |= 1u << 30;
    if (phase == Release) w |= 1u << 31;
    return static_cast<LPARAM>(static_cast<LONG>(w));
}

class HookHandlerTest : public ::testing::Test {
protected:
    HookHandlerTest() { env.keyboard.layout = kUsLayout; }
    int key(WPARAM vk, std::uint16_t scan, Phase phase, bool alt = false) {
        return handler().handleKeystroke(vk, word(scan, phase, alt));
    }
    std::string name() { return handler().currentKey().name.toUtf8(); }
    HookKeyboardHandler& handler() {
        if (!m_handler) m_handler = std::make_unique<HookKeyboardHandler>(env.keyboard);
        return *m_handler;
    }
    ScopedHookEnvironment env;

private:
    std::unique_ptr<HookKeyboardHandler> m_handler;
};

TEST_F(HookHandlerTest, RecordsTheKeystrokeWordIndexedWithTheExtendedBit) {
    key(VK_CONTROL, 0x1D, Press);
    key(VK_CONTROL, 0x11D, Press, true);
    const HookKeyRecord& right = handler().currentKey();
    EXPECT_EQ(right.scanCode, 0x11D);
    EXPECT_TRUE(right.extended);
    EXPECT_TRUE(right.context);
    EXPECT_EQ(handler().getScanCode(), 0x11D);
    EXPECT_TRUE(handler().isAltDown());
    handler().handleKeystroke(VK_CONTROL, word(0x1D, Repeat, false, 3));
    EXPECT_EQ(handler().currentKey().repeatCount, 3);
    EXPECT_TRUE(handler().wasKeyDown());
    EXPECT_TRUE(handler().isKeyDown());
    EXPECT_FALSE(handler().currentKey().extended);
    key(VK_CONTROL, 0x1D, Release);
    EXPECT_FALSE(handler().isKeyDown());
}

TEST_F(HookHandlerTest, LockLampsFollowFirstPressesOnly) {
    env.keyboard.setToggled(VK_CAPITAL, true);
    env.keyboard.setToggled(VK_SCROLL, true);
    EXPECT_TRUE(handler().isCapsLockOn());
    EXPECT_FALSE(handler().isNumLockOn());
    EXPECT_TRUE(handler().isScrollLockOn());
    key(VK_CAPITAL, 0x3A, Press);
    key(VK_CAPITAL, 0x3A, Repeat);
    key(VK_CAPITAL, 0x3A, Repeat);
    key(VK_CAPITAL, 0x3A, Release);
    EXPECT_FALSE(handler().isCapsLockOn());
    key(VK_NUMLOCK, 0x145, Press);
    key(VK_SCROLL, 0x46, Press);
    EXPECT_TRUE(handler().isNumLockOn());
    EXPECT_FALSE(handler().isScrollLockOn());
    // The system's state is read once: changing it later changes nothing.
    env.keyboard.setToggled(VK_CAPITAL, true);
    key('A', 0x1E, Press);
    EXPECT_FALSE(handler().isCapsLockOn());
}

TEST_F(HookHandlerTest, ClassifiesThroughTheWholeEvent) {
    EXPECT_EQ(key(VK_MENU, 0x38, Press, true), KEY_IGNORED);
    EXPECT_EQ(key(VK_F4, 0x3E, Press, true), SHORTCUT_ABORT);
    EXPECT_EQ(key(VK_MENU, 0x38, Release), KEY_RELEASED);
    EXPECT_EQ(key(VK_MENU, 0x138, Press, true), KEY_IGNORED);
    EXPECT_EQ(key(VK_MENU, 0x138, Release), KEY_PRESSED);
    EXPECT_EQ(key(VK_LWIN, 0x15B, Press, true), WINDOWS_KEY_PRESSED);
    EXPECT_EQ(key(VK_VOLUME_UP, 0x130, Release), APP_COMMAND_KEY);
}

TEST_F(HookHandlerTest, NamesFromTextsFixedCharactersAndTheLayout) {
    key(VK_PRIOR, 0x49, Press);
    EXPECT_EQ(name(), "keyNum9");
    key(VK_PRIOR, 0x149, Press);
    EXPECT_EQ(name(), "keyPageUp");
    key(VK_RETURN, 0x11C, Press);
    EXPECT_EQ(name(), "keyNumEnter");
    key(VK_MULTIPLY, 0x37, Press);
    EXPECT_EQ(name(), "*");
    env.keyboard.toUnicode = answer(1, L"q");
    key('Q', 0x10, Press);
    EXPECT_EQ(name(), "q");
}

TEST_F(HookHandlerTest, CharacterAnswersOfToUnicode) {
    env.keyboard.toUnicode = answer(1, L"a");
    key('A', 0x1E, Press);
    EXPECT_EQ(name(), "a");
    env.keyboard.toUnicode = answer(-1, L"^");
    key('A', 0x1E, Repeat);
    EXPECT_EQ(name(), "a");  // a dead key keeps the name
    env.keyboard.toUnicode = answer(2, L"^e!");
    key('A', 0x1E, Release);
    EXPECT_EQ(name(), "^e");
    env.keyboard.toUnicode = answer(0, L"");
    key('A', 0x1E, Press);
    EXPECT_EQ(name(), "");
}

TEST_F(HookHandlerTest, TranslationSeesTheKeyStateTheScanCodeAndTheLayout) {
    env.keyboard.layout = kGermanLayout;
    env.keyboard.press(VK_SHIFT);
    UINT seenScan = 0;
    HKL seenLayout = nullptr;
    bool sawShift = false;
    env.keyboard.toUnicode = [&](UINT, UINT scan, const BYTE* state, wchar_t* buffer, int, HKL layout) {
        seenScan = scan;
        seenLayout = layout;
        sawShift = (state[VK_SHIFT] & 0x80) != 0;
        buffer[0] = L'Z';
        return 1;
    };
    key('Z', 0x15, Press);
    EXPECT_EQ(name(), "Z");
    EXPECT_EQ(seenScan, 0x15u);
    EXPECT_EQ(seenLayout, kGermanLayout);
    EXPECT_TRUE(sawShift);
}

TEST_F(HookHandlerTest, KeyStateFailureIsLoggedAndTranslationGoesOnWithNothingHeld) {
    kvo::ScopedLogCapture capture(1);
    env.keyboard.failGetKeyboardState = true;
    env.keyboard.press(VK_SHIFT);
    bool sawShift = true;
    env.keyboard.toUnicode = [&](UINT, UINT, const BYTE* state, wchar_t* buffer, int, HKL) {
        sawShift = (state[VK_SHIFT] & 0x80) != 0;
        buffer[0] = L'a';
        return 1;
    };
    key('A', 0x1E, Press);
    EXPECT_EQ(name(), "a");
    EXPECT_FALSE(sawShift);
    EXPECT_EQ(logged(capture, "kvorkeyboard.HookKeyboardHandler", 4),
              std::vector<std::string>{"Error getting keyboard state"});
}

TEST_F(HookHandlerTest, ModifiersAreNamedByTheSideTheirScanCodeMapsTo) {
    kvo::ScopedLogCapture capture(1);
    env.keyboard.sidedKeys = {{0x2A, VK_LSHIFT}, {0x36, VK_RSHIFT}, {0x1D, VK_LCONTROL}, {0x11D, VK_RCONTROL},
                              {0x38, VK_LMENU}, {0x138, VK_RMENU}};
    const struct {
        WPARAM vk;
        std::uint16_t scan;
        const char* name;
        const char* log;
    } rows[] = {
        {VK_SHIFT, 0x2A, "keyLeftShift", "VK_SHIFT: vk_code == 160"},
        {VK_SHIFT, 0x36, "keyRightShift", "VK_SHIFT: vk_code == 161"},
        {VK_CONTROL, 0x1D, "keyLeftCtrl", "VK_CONTROL: vk_code == 162"},
        {VK_CONTROL, 0x11D, "keyRightCtrl", "VK_CONTROL: vk_code == 163"},
        {VK_MENU, 0x38, "keyLeftAlt", "VK_MENU: vk_code == 164"},
        {VK_MENU, 0x138, "keyRightAlt", "VK_MENU: vk_code == 165"},
        {VK_MENU, 0x70, "keyRightAlt", "VK_MENU: vk_code == 0"},  // unmapped: the right one
    };
    for (const auto& row : rows) {
        capture.sink().clear();
        key(row.vk, row.scan, Press);
        EXPECT_EQ(name(), row.name);
        const auto lines = logged(capture, "kvorkeyboard.HookKeyboardHandler", 1);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), row.log);
    }
}

TEST_F(HookHandlerTest, SystemNamesAndTheirFailure) {
    kvo::ScopedLogCapture capture(4);
    const LPARAM rightAlt = word(0x138, Press);
    env.keyboard.keyNames[static_cast<LONG>(rightAlt)] = L"Right Alt";
    handler().handleKeystroke(VK_RMENU, rightAlt);
    EXPECT_EQ(name(), "Right Alt");
    env.keyboard.layout = kGermanLayout;
    key(0xDC, 0x29, Press);  // German ^ key: the system's name, not a fixed one
    EXPECT_EQ(name(), "");
    EXPECT_EQ(logged(capture, "kvorkeyboard.HookKeyboardHandler", 4),
              std::vector<std::string>{"unknown key pressed"});
}

TEST_F(HookHandlerTest, BrazilianSeparatorElseTheNameStays) {
    env.keyboard.layout = layoutFor(0x0416);
    key(0xC2, 0x7E, Press);
    EXPECT_EQ(name(), ".");
    env.keyboard.layout = kUsLayout;
    key(0xC2, 0x7E, Release);
    EXPECT_EQ(name(), ".");
}

TEST_F(HookHandlerTest, DumpWritesTheRecordLineByLine) {
    handler();
    kvo::ScopedLogCapture capture(1);
    key(VK_RETURN, 0x11C, Repeat, true);
    const std::vector<std::string> expected{
        "START KEY INFORMATION DEBUGGING", "-------------------------------", "Key: keyNumEnter",
        "Virtual Code: 13", "Scan Code: 284", "Transition State Flag: 0", "Repeat Count: 1",
        "Previous-state Flag: 1", "Extended Flag: 1", "Context Flag: 1", "-------------------------------",
        "END KEY INFORMATION DEBUGGING"};
    EXPECT_EQ(logged(capture, "kvorkeyboard.HookKeyboardHandler", 1), expected);
    capture.sink().clear();
    kvo::LogFactory::setPriority(2);
    key(VK_RETURN, 0x11C, Release);
    EXPECT_TRUE(capture.sink().entries().empty());
}

TEST_F(HookHandlerTest, KeepsTheFilterHooksForItsLifetime) {
    handler();
    ASSERT_EQ(env.hooks.installed.size(), 2u);
    EXPECT_EQ(env.hooks.installed[0].idHook, WH_SHELL);
    EXPECT_EQ(env.hooks.installed[1].idHook, WH_KEYBOARD_LL);
    {
        HookKeyboardHandler second(env.keyboard);
        EXPECT_EQ(env.hooks.installed.size(), 4u);
    }
    EXPECT_EQ(env.hooks.removed.size(), 2u);
}

}  // namespace
