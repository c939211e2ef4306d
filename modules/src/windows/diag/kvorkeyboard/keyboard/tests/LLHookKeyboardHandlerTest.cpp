// The low-level handler fed KBDLLHOOKSTRUCT events: shared records, timing,
// the ignored scan codes, the Korean one-shot keys, the default-name
// parameters and the layout-dependent names.
#include <gtest/gtest.h>

#include "frame/ModuleParameters.h"
#include "keyboard/LLHookKeyboardHandler.h"
#include "keyboard/testing/HandlerTestSupport.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

class LLHandlerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!parameterHandle(ParameterId::bForceKeyPressDefault)) CreateModuleParameters();
    }
    LLHandlerTest() { keyboard.layout = kUsLayout; }
    ~LLHandlerTest() override {
        setParameter(ParameterId::bForceKeyPressDefault, false);
        setParameter(ParameterId::bForceKeyPressDefaultExceptEnglish, false);
    }
    static void setParameter(ParameterId id, bool on) { EXPECT_TRUE(parameterHandle(id)->setValue(on ? "true" : "false")); }

    int event(UINT message, DWORD vk, DWORD scan, DWORD flags, DWORD time = 0) {
        KBDLLHOOKSTRUCT e{vk, scan, flags, time, 0};
        return handler.handleKeystroke(message, reinterpret_cast<LPARAM>(&e));
    }
    int down(DWORD vk, DWORD scan, DWORD time = 0, DWORD flags = 0) { return event(WM_KEYDOWN, vk, scan, flags, time); }
    int up(DWORD vk, DWORD scan, DWORD time = 0, DWORD flags = 0) {
        return event(WM_KEYUP, vk, scan, flags | LLKHF_UP, time);
    }
    std::string name() { return handler.getKeyText().toUtf8(); }

    FakeKeyboardInput keyboard;
    LLHookKeyboardHandler handler{keyboard};
};

TEST_F(LLHandlerTest, HoldingAKeyReportsPressRepeatsAndTheHeldTime) {
    EXPECT_EQ(down('A', 0x1E, 1000), KEY_PRESSED);
    EXPECT_EQ(down('A', 0x1E, 1500), KEY_REPEATED);
    EXPECT_EQ(down('A', 0x1E, 1533), KEY_REPEATED);
    EXPECT_EQ(up('A', 0x1E, 1600), KEY_RELEASED);
    EXPECT_EQ(handler.getDepressedTime(), 600u);
    EXPECT_EQ(handler.getVkCode(), 'A');
    EXPECT_EQ(handler.getScanCode(), 0x1Eu);
    EXPECT_FALSE(handler.isKeyDown());
    EXPECT_FALSE(handler.wasKeyDown());
}

TEST_F(LLHandlerTest, LeftAndRightCtrlShareOneRecord) {
    EXPECT_EQ(down(VK_LCONTROL, 0x1D, 10), KEY_PRESSED);
    EXPECT_EQ(down(VK_RCONTROL, 0x1D, 20, LLKHF_EXTENDED), KEY_REPEATED);
    EXPECT_EQ(name(), "keyRightCtrl");
    EXPECT_EQ(up(VK_RCONTROL, 0x1D, 30, LLKHF_EXTENDED), KEY_RELEASED);
    EXPECT_EQ(up(VK_LCONTROL, 0x1D, 40), KEY_IGNORED);
}

TEST_F(LLHandlerTest, AReleaseWithoutPressIsIgnored) {
    EXPECT_EQ(up(VK_LSHIFT, 0x2A), KEY_IGNORED);
    EXPECT_EQ(event(WM_CHAR, 'A', 0x1E, 0), KEY_IGNORED);
}

TEST_F(LLHandlerTest, ScanCodesBeyondTheTableLeaveTheCurrentKeyAlone) {
    down(VK_SNAPSHOT, 0x37, 5);
    EXPECT_EQ(handler.shouldBlockKey(), 1);
    for (DWORD scan : {512u, 600u, 0xFFFFFFFFu}) {
        EXPECT_EQ(down(VK_LSHIFT, scan, 6), KEY_IGNORED);
        EXPECT_EQ(handler.getVkCode(), static_cast<std::uint32_t>(VK_SNAPSHOT));
        EXPECT_EQ(handler.shouldBlockKey(), 1);
    }
    EXPECT_EQ(down(VK_LSHIFT, 511, 7), KEY_PRESSED);
}

TEST_F(LLHandlerTest, AltShortcutsOnEveryEventWithoutMarkingTheKey) {
    EXPECT_EQ(event(WM_SYSKEYDOWN, 'P', 0x19, LLKHF_ALTDOWN), SHORTCUT_PASS);
    EXPECT_EQ(event(WM_SYSKEYUP, 'P', 0x19, LLKHF_ALTDOWN | LLKHF_UP), SHORTCUT_PASS);
    EXPECT_EQ(event(WM_SYSKEYDOWN, 'F', 0x21, LLKHF_ALTDOWN), SHORTCUT_FAIL);
    EXPECT_EQ(event(WM_SYSKEYDOWN, 'X', 0x2D, LLKHF_ALTDOWN), SHORTCUT_ABORT);
    EXPECT_EQ(up('P', 0x19), KEY_IGNORED);
    EXPECT_EQ(event(WM_SYSKEYDOWN, VK_F4, 0x3E, LLKHF_ALTDOWN), KEY_PRESSED);
}

TEST_F(LLHandlerTest, LockLampsFlipOnAFirstPressNeverOnRepeat) {
    keyboard.setToggled(VK_NUMLOCK, true);
    LLHookKeyboardHandler fresh(keyboard);
    EXPECT_TRUE(fresh.isNumLockOn());
    EXPECT_FALSE(fresh.isCapsLockOn());
    KBDLLHOOKSTRUCT caps{VK_CAPITAL, 0x3A, 0, 0, 0};
    for (int i = 0; i < 3; ++i) fresh.handleKeystroke(WM_KEYDOWN, reinterpret_cast<LPARAM>(&caps));
    EXPECT_TRUE(fresh.isCapsLockOn());
    caps.flags = LLKHF_UP;
    fresh.handleKeystroke(WM_KEYUP, reinterpret_cast<LPARAM>(&caps));
    caps.flags = 0;
    fresh.handleKeystroke(WM_KEYDOWN, reinterpret_cast<LPARAM>(&caps));
    EXPECT_FALSE(fresh.isCapsLockOn());
    KBDLLHOOKSTRUCT num{VK_NUMLOCK, 0x45, LLKHF_EXTENDED, 0, 0}, scroll{VK_SCROLL, 0x46, 0, 0, 0};
    fresh.handleKeystroke(WM_KEYDOWN, reinterpret_cast<LPARAM>(&num));
    fresh.handleKeystroke(WM_KEYDOWN, reinterpret_cast<LPARAM>(&scroll));
    EXPECT_FALSE(fresh.isNumLockOn());
    EXPECT_TRUE(fresh.isScrollLockOn());
}

TEST_F(LLHandlerTest, KoreanOneShotKeysPressAnewEachTime) {
    keyboard.layout = layoutFor(0x0412);
    EXPECT_EQ(down(VK_HANGUL, 0xF2, 100), KEY_PRESSED);
    EXPECT_EQ(name(), "keyKoreanHangulEnglish");
    EXPECT_EQ(down(VK_HANGUL, 0xF2, 300), KEY_PRESSED);
    EXPECT_EQ(handler.getDepressedTime(), 0u);
    EXPECT_EQ(up(VK_HANGUL, 0xF2, 310), KEY_IGNORED);
    EXPECT_EQ(down(VK_HANJA, 0xF1, 400), KEY_PRESSED);
    EXPECT_EQ(down(VK_HANJA, 0xF1, 500), KEY_PRESSED);
    // The right Alt key sends VK_HANGUL on Korean keyboards too, but with its own scan code.
    EXPECT_EQ(down(VK_HANGUL, 0x38, 600, LLKHF_EXTENDED), KEY_PRESSED);
    EXPECT_EQ(down(VK_HANGUL, 0x38, 700, LLKHF_EXTENDED), KEY_REPEATED);
    keyboard.layout = kUsLayout;
    EXPECT_EQ(down(VK_HANGUL, 0xF2, 800), KEY_PRESSED);
    EXPECT_EQ(down(VK_HANGUL, 0xF2, 900), KEY_REPEATED);
}

TEST_F(LLHandlerTest, PrintScreenIsSwallowedUnlessAltCopiesTheWindow) {
    down(VK_SNAPSHOT, 0x37, 0, LLKHF_EXTENDED);
    EXPECT_EQ(handler.shouldBlockKey(), 1);
    event(WM_SYSKEYDOWN, VK_SNAPSHOT, 0x37, LLKHF_EXTENDED | LLKHF_ALTDOWN);
    EXPECT_EQ(handler.shouldBlockKey(), 0);
    down(VK_CAPITAL, 0x3A);
    EXPECT_EQ(handler.shouldBlockKey(), 0);
    down(VK_LWIN, 0x5B, 0, LLKHF_EXTENDED);
    EXPECT_EQ(handler.shouldBlockKey(), 1);
}

TEST_F(LLHandlerTest, DefaultNameParameters) {
    keyboard.toUnicode = answer(1, L"a");
    struct Case {
        bool force, exceptEnglish;
        HKL layout;
        const char* expected;
    } cases[] = {
        {false, false, kUsLayout, "a"},          {false, false, kGermanLayout, "a"},
        {true, false, kUsLayout, "keyDefault"},  {true, false, kGermanLayout, "keyDefault"},
        {false, true, kUsLayout, "a"},           {false, true, kUkLayout, "keyDefault"},
        {false, true, kGermanLayout, "keyDefault"},
    };
    for (const Case& c : cases) {
        setParameter(ParameterId::bForceKeyPressDefault, c.force);
        setParameter(ParameterId::bForceKeyPressDefaultExceptEnglish, c.exceptEnglish);
        keyboard.layout = c.layout;
        LLHookKeyboardHandler fresh(keyboard);  // the first parameter is read at construction
        KBDLLHOOKSTRUCT e{'A', 0x1E, 0, 0, 0};
        fresh.handleKeystroke(WM_KEYDOWN, reinterpret_cast<LPARAM>(&e));
        EXPECT_EQ(fresh.getKeyText().toUtf8(), c.expected) << c.force << c.exceptEnglish;
    }
    // The second is read on every event.
    setParameter(ParameterId::bForceKeyPressDefault, false);
    setParameter(ParameterId::bForceKeyPressDefaultExceptEnglish, false);
    keyboard.layout = kGermanLayout;
    LLHookKeyboardHandler live(keyboard);
    setParameter(ParameterId::bForceKeyPressDefaultExceptEnglish, true);
    KBDLLHOOKSTRUCT e{'A', 0x1E, 0, 0, 0};
    live.handleKeystroke(WM_KEYDOWN, reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(live.getKeyText().toUtf8(), "keyDefault");
}

TEST_F(LLHandlerTest, NamesUnderUsUkAndGermanLayouts) {
    keyboard.toUnicode = answer(1, L"#");
    const struct {
        HKL layout;
        bool shift;
        DWORD vk, scan, flags;
        const char* expected;
    } rows[] = {
        {kGermanLayout, false, 0xDC, 0x29, 0, "^"},
        {kGermanLayout, true, 0xDC, 0x29, 0, "\u00B0"},
        {kGermanLayout, false, 0xDD, 0x0D, 0, "\u00B4"},
        {kGermanLayout, true, 0xDD, 0x0D, 0, "`"},
        {kUsLayout, false, 0xDC, 0x2B, 0, "#"},
        {kGermanLayout, false, VK_RMENU, 0x38, LLKHF_EXTENDED, "Alt Gr"},
        {kUkLayout, false, VK_RMENU, 0x38, LLKHF_EXTENDED, "Alt Gr"},
        {layoutFor(0x040C), false, VK_RMENU, 0x38, LLKHF_EXTENDED, "Alt Gr"},
        {kUsLayout, false, VK_RMENU, 0x38, LLKHF_EXTENDED, "keyRightAlt"},
        {kUsLayout, false, VK_PRIOR, 0x49, 0, "keyNum9"},
        {kUsLayout, false, VK_PRIOR, 0x49, LLKHF_EXTENDED, "keyPageUp"},
        {kUsLayout, false, VK_RETURN, 0x1C, LLKHF_EXTENDED, "keyNumEnter"},
        {kUsLayout, false, VK_CLEAR, 0x4C, 0, "keyNum5"},
        {kUsLayout, false, VK_MULTIPLY, 0x37, 0, "keyNumMultiply"},
        {kUsLayout, false, VK_BROWSER_BACK, 0x6A, LLKHF_EXTENDED, "keyDefault"},
    };
    for (const auto& row : rows) {
        keyboard.layout = row.layout;
        if (row.shift) keyboard.press(VK_SHIFT); else keyboard.release(VK_SHIFT);
        down(row.vk, row.scan, 0, row.flags);
        EXPECT_EQ(name(), row.expected) << std::hex << row.vk;
        up(row.vk, row.scan, 0, row.flags);
    }
}

TEST_F(LLHandlerTest, SwedishShiftedDiaeresisKeyKeepsTheLastName) {
    keyboard.layout = layoutFor(0x041D);
    down(0xBA, 0x1B);
    EXPECT_EQ(name(), "^");
    keyboard.press(VK_SHIFT);
    down(0xBA, 0x1B);
    EXPECT_EQ(name(), "^");
}

TEST_F(LLHandlerTest, CharacterAnswersOfToUnicode) {
    const struct {
        int count;
        const wchar_t* text;
        const char* expected;
    } rows[] = {{1, L"z", "z"}, {2, L"^x", "^x"}, {3, L"abc", "ab"}, {0, L"", "keyDefault"}, {-1, L"^", "keyDefault"}};
    for (const auto& row : rows) {
        keyboard.toUnicode = answer(row.count, row.text);
        down('Z', 0x2C);
        EXPECT_EQ(name(), row.expected) << row.count;
    }
}

TEST_F(LLHandlerTest, DumpWritesTheRecordWithMaskedFlags) {
    kvo::ScopedLogCapture capture(1);
    event(WM_SYSKEYUP, VK_RCONTROL, 0x1D, LLKHF_EXTENDED | LLKHF_INJECTED | LLKHF_ALTDOWN | LLKHF_UP);
    const std::vector<std::string> expected{
        "START KEY INFORMATION DEBUGGING", "-------------------------------", "Key: keyRightCtrl",
        "Virtual Code: 163", "Scan Code: 29", "Extended Flag: 1", "Injected Flag: 16", "Context Flag: 32",
        "Transition State Flag: 128", "-------------------------------", "END KEY INFORMATION DEBUGGING"};
    EXPECT_EQ(logged(capture, "kvorkeyboard.LLHookKeyboardHandler", 1), expected);
}

TEST_F(LLHandlerTest, KeyStateFailureIsLoggedAndNamingGoesOn) {
    kvo::ScopedLogCapture capture(4);
    keyboard.failGetKeyboardState = true;
    keyboard.toUnicode = answer(1, L"k");
    EXPECT_EQ(down('K', 0x25), KEY_PRESSED);
    EXPECT_EQ(name(), "k");
    EXPECT_EQ(logged(capture, "kvorkeyboard.LLHookKeyboardHandler", 4),
              std::vector<std::string>{"Error getting keyboard state"});
}

}  // namespace
