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
    std::vector<std::string> logged(int level) {
        return kvorkeyboard::testing::logged(capture, "kvorkeyboard.HookKeyboardHandler", level);
    }

    ScopedHookEnvironment env;
    kvo::ScopedLogCapture capture{4};

private:
    std::unique_ptr<HookKeyboardHandler> m_handler;
};

TEST_F(HookHandlerTest, LockLampsFollowFirstPressesOnly) {
    env.keyboard.setToggled(VK_CAPITAL, true);
    env.keyboard.setToggled(VK_SCROLL, true);
    EXPECT_TRUE(handler().isCapsLockOn());
    EXPECT_FALSE(handler().isNumLockOn());
    for (Phase phase : {Press, Repeat, Repeat, Release}) key(VK_CAPITAL, 0x3A, phase);
    key(VK_NUMLOCK, 0x145, Press);
    key(VK_SCROLL, 0x46, Press);
    EXPECT_FALSE(handler().isCapsLockOn());
    EXPECT_TRUE(handler().isNumLockOn());
    EXPECT_FALSE(handler().isScrollLockOn());
    // The system's state is read once: changing it later changes nothing.
    env.keyboard.setToggled(VK_CAPITAL, true);
    key('A', 0x1E, Press);
    EXPECT_FALSE(handler().isCapsLockOn());
}

// Alt alone is remembered between events by the handler, not the classifier.
TEST_F(HookHandlerTest, ClassifiesThroughTheWholeEvent) {
    EXPECT_EQ(key(VK_MENU, 0x38, Press, true), KEY_IGNORED);
    EXPECT_EQ(key(VK_F4, 0x3E, Press, true), SHORTCUT_ABORT);
    EXPECT_EQ(key(VK_MENU, 0x38, Release), KEY_RELEASED);
    EXPECT_EQ(key(VK_MENU, 0x138, Press, true), KEY_IGNORED);
    EXPECT_EQ(key(VK_MENU, 0x138, Release), KEY_PRESSED);
}

// Each step names one key; a name the rules keep stays from the step before.
TEST_F(HookHandlerTest, NamesFromTextsFixedCharactersTheLayoutAndToUnicodesAnswers) {
    const struct {
        WPARAM vk;
        std::uint16_t scan;
        HKL layout;
        int count;  // ToUnicodeEx's answer, with `text`
        const wchar_t* text;
        const char* expected;
    } steps[] = {
        {VK_PRIOR, 0x49, kUsLayout, 1, L"x", "keyNum9"},
        {VK_PRIOR, 0x149, kUsLayout, 1, L"x", "keyPageUp"},
        {VK_MULTIPLY, 0x37, kUsLayout, 1, L"x", "*"},
        {'A', 0x1E, kUsLayout, 1, L"a", "a"},
        {'A', 0x1E, kUsLayout, -1, L"^", "a"},  // a dead key keeps the name
        {'A', 0x1E, kUsLayout, 2, L"^e!", "^e"},
        {'A', 0x1E, kUsLayout, 0, L"", ""},
        {0xC2, 0x7E, layoutFor(0x0416), 1, L"x", "."},  // Brazilian keypad separator
        {0xC2, 0x7E, kUsLayout, 1, L"x", "."},          // elsewhere the name stays
    };
    for (const auto& s : steps) {
        env.keyboard.layout = s.layout;
        env.keyboard.toUnicode = answer(s.count, s.text);
        key(s.vk, s.scan, Press);
        EXPECT_EQ(name(), s.expected) << std::hex << s.vk << " " << s.count;
    }
}

TEST_F(HookHandlerTest, TranslationSeesTheKeyStateTheScanCodeAndTheLayoutOrNothingHeldIfUnreadable) {
    env.keyboard.layout = kGermanLayout;
    env.keyboard.press(VK_SHIFT);
    for (bool stateFails : {false, true}) {
        env.keyboard.failGetKeyboardState = stateFails;
        bool sawShift = !stateFails;
        env.keyboard.toUnicode = [&](UINT, UINT scan, const BYTE* state, wchar_t* buffer, int, HKL layout) {
            EXPECT_EQ(scan, 0x15u);
            EXPECT_EQ(layout, kGermanLayout);
            sawShift = (state[VK_SHIFT] & 0x80) != 0;
            buffer[0] = L'Z';
            return 1;
        };
        key('Z', 0x15, Press);
        EXPECT_EQ(name(), "Z");
        EXPECT_EQ(sawShift, !stateFails);
    }
    EXPECT_EQ(logged(4), std::vector<std::string>{"Error getting keyboard state"});
}

TEST_F(HookHandlerTest, ModifiersAreNamedByTheSideTheirScanCodeMapsTo) {
    env.keyboard.sidedKeys = {{0x2A, VK_LSHIFT}, {0x36, VK_RSHIFT}, {0x1D, VK_LCONTROL}, {0x11D, VK_RCONTROL},
                              {0x38, VK_LMENU}, {0x138, VK_RMENU}};
    const struct {
        WPARAM vk;
        std::uint16_t scan;
        const char* name;
    } rows[] = {
        {VK_SHIFT, 0x2A, "keyLeftShift"}, {VK_SHIFT, 0x36, "keyRightShift"}, {VK_CONTROL, 0x1D, "keyLeftCtrl"},
        {VK_CONTROL, 0x11D, "keyRightCtrl"}, {VK_MENU, 0x38, "keyLeftAlt"}, {VK_MENU, 0x138, "keyRightAlt"},
        {VK_MENU, 0x70, "keyRightAlt"},  // unmapped: the right one
    };
    for (const auto& row : rows) {
        key(row.vk, row.scan, Press);
        EXPECT_EQ(name(), row.name);
    }
    kvo::LogFactory::setPriority(1);
    key(VK_CONTROL, 0x11D, Press);
    EXPECT_EQ(logged(1).front(), "VK_CONTROL: vk_code == 163");
}

TEST_F(HookHandlerTest, SystemNamesAndTheirFailure) {
    const LPARAM rightAlt = word(0x138, Press);
    env.keyboard.keyNames[static_cast<LONG>(rightAlt)] = L"Right Alt";
    handler().handleKeystroke(VK_RMENU, rightAlt);
    EXPECT_EQ(name(), "Right Alt");
    env.keyboard.layout = kGermanLayout;
    key(0xDC, 0x29, Press);  // German ^ key: the system's name, not a fixed one
    EXPECT_EQ(name(), "");
    EXPECT_EQ(logged(4), std::vector<std::string>{"unknown key pressed"});
}

// The dump shows every field of the record the keystroke word was read into.
TEST_F(HookHandlerTest, DumpWritesTheRecordLineByLineAtLevelOneOnly) {
    key(VK_RETURN, 0x1C, Release);
    EXPECT_TRUE(logged(1).empty());
    kvo::LogFactory::setPriority(1);
    handler().handleKeystroke(VK_RETURN, word(0x11C, Repeat, true, 3));
    const std::vector<std::string> expected{
        "START KEY INFORMATION DEBUGGING", "-------------------------------", "Key: keyNumEnter",
        "Virtual Code: 13", "Scan Code: 284", "Transition State Flag: 0", "Repeat Count: 3",
        "Previous-state Flag: 1", "Extended Flag: 1", "Context Flag: 1", "-------------------------------",
        "END KEY INFORMATION DEBUGGING"};
    EXPECT_EQ(logged(1), expected);
    EXPECT_EQ(handler().getScanCode(), 0x11C);
    key(VK_RETURN, 0x1C, Release);
    EXPECT_FALSE(handler().isKeyDown());
    EXPECT_FALSE(handler().currentKey().extended);
}

TEST_F(HookHandlerTest, KeepsTheFilterHooksForItsLifetime) {
    handler();
    EXPECT_EQ(env.hooks.installed.size(), 2u);
    { HookKeyboardHandler second(env.keyboard); }
    EXPECT_EQ(env.hooks.removed.size(), 2u);
}

}  // namespace
