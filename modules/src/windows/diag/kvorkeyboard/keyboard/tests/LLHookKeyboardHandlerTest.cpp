// The low-level handler fed KBDLLHOOKSTRUCT events: shared records, the
// ignored scan codes, the Korean one-shot keys, the default-name parameters
// and the layout-dependent names.
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
    ~LLHandlerTest() override { setDefaultNames(false, false); }
    static void setDefaultNames(bool force, bool exceptEnglish) {
        EXPECT_TRUE(parameterHandle(ParameterId::bForceKeyPressDefault)->setValue(force ? "true" : "false"));
        EXPECT_TRUE(parameterHandle(ParameterId::bForceKeyPressDefaultExceptEnglish)
                        ->setValue(exceptEnglish ? "true" : "false"));
    }

    static int event(LLHookKeyboardHandler& to, UINT message, DWORD vk, DWORD scan, DWORD flags, DWORD time = 0) {
        KBDLLHOOKSTRUCT e{vk, scan, flags, time, 0};
        return to.handleKeystroke(message, reinterpret_cast<LPARAM>(&e));
    }
    int down(DWORD vk, DWORD scan, DWORD time = 0, DWORD flags = 0) {
        return event(handler, WM_KEYDOWN, vk, scan, flags, time);
    }
    int up(DWORD vk, DWORD scan, DWORD time = 0, DWORD flags = 0) {
        return event(handler, WM_KEYUP, vk, scan, flags | LLKHF_UP, time);
    }
    std::string name() { return handler.getKeyText().toUtf8(); }

    FakeKeyboardInput keyboard;
    LLHookKeyboardHandler handler{keyboard};
};

TEST_F(LLHandlerTest, LeftAndRightCtrlShareOneRecordWithItsHeldTime) {
    EXPECT_EQ(down(VK_LCONTROL, 0x1D, 10), KEY_PRESSED);
    EXPECT_EQ(down(VK_RCONTROL, 0x1D, 20, LLKHF_EXTENDED), KEY_REPEATED);
    EXPECT_EQ(name(), "keyRightCtrl");
    EXPECT_EQ(up(VK_RCONTROL, 0x1D, 610, LLKHF_EXTENDED), KEY_RELEASED);
    EXPECT_EQ(handler.getDepressedTime(), 600u);
    EXPECT_EQ(up(VK_LCONTROL, 0x1D, 640), KEY_IGNORED);
}

TEST_F(LLHandlerTest, ScanCodesBeyondTheTableLeaveTheCurrentKeyAlone) {
    down(VK_SNAPSHOT, 0x37, 5);
    for (DWORD scan : {512u, 600u, 0xFFFFFFFFu}) {
        EXPECT_EQ(down(VK_LSHIFT, scan, 6), KEY_IGNORED);
        EXPECT_EQ(handler.getVkCode(), static_cast<std::uint32_t>(VK_SNAPSHOT));
        EXPECT_EQ(handler.shouldBlockKey(), 1);
    }
    EXPECT_EQ(down(VK_LSHIFT, 511, 7), KEY_PRESSED);
}

TEST_F(LLHandlerTest, LockLampsFlipOnAFirstPressNeverOnRepeat) {
    keyboard.setToggled(VK_NUMLOCK, true);
    LLHookKeyboardHandler fresh(keyboard);
    EXPECT_TRUE(fresh.isNumLockOn());
    EXPECT_FALSE(fresh.isCapsLockOn());
    for (int i = 0; i < 2; ++i) event(fresh, WM_KEYDOWN, VK_CAPITAL, 0x3A, 0);
    EXPECT_TRUE(fresh.isCapsLockOn());
    event(fresh, WM_KEYUP, VK_CAPITAL, 0x3A, LLKHF_UP);
    event(fresh, WM_KEYDOWN, VK_CAPITAL, 0x3A, 0);
    event(fresh, WM_KEYDOWN, VK_NUMLOCK, 0x45, LLKHF_EXTENDED);
    event(fresh, WM_KEYDOWN, VK_SCROLL, 0x46, 0);
    EXPECT_FALSE(fresh.isCapsLockOn());
    EXPECT_FALSE(fresh.isNumLockOn());
    EXPECT_TRUE(fresh.isScrollLockOn());
}

TEST_F(LLHandlerTest, KoreanOneShotKeysPressAnewEachTime) {
    keyboard.layout = layoutFor(0x0412);
    EXPECT_EQ(down(VK_HANGUL, 0xF2, 100), KEY_PRESSED);
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
    event(handler, WM_SYSKEYDOWN, VK_SNAPSHOT, 0x37, LLKHF_EXTENDED | LLKHF_ALTDOWN);
    EXPECT_EQ(handler.shouldBlockKey(), 0);
    down(VK_CAPITAL, 0x3A);
    EXPECT_EQ(handler.shouldBlockKey(), 0);
}

TEST_F(LLHandlerTest, DefaultNameParameters) {
    keyboard.toUnicode = answer(1, L"a");
    const struct {
        bool force, exceptEnglish;
        HKL layout;
        const char* expected;
    } rows[] = {
        {false, false, kGermanLayout, "a"},    {true, false, kUsLayout, "keyDefault"},
        {false, true, kUsLayout, "a"},         {false, true, kUkLayout, "keyDefault"},
        {false, true, kGermanLayout, "keyDefault"},
    };
    for (const auto& row : rows) {
        setDefaultNames(row.force, row.exceptEnglish);
        keyboard.layout = row.layout;
        LLHookKeyboardHandler fresh(keyboard);
        event(fresh, WM_KEYDOWN, 'A', 0x1E, 0);
        EXPECT_EQ(fresh.getKeyText().toUtf8(), row.expected) << row.force << row.exceptEnglish;
    }
    // The first is read at construction, the second on every event.
    setDefaultNames(false, false);
    keyboard.layout = kGermanLayout;
    LLHookKeyboardHandler live(keyboard);
    setDefaultNames(true, true);
    event(live, WM_KEYDOWN, 'A', 0x1E, 0);
    EXPECT_EQ(live.getKeyText().toUtf8(), "keyDefault");
    setDefaultNames(true, false);
    event(live, WM_KEYDOWN, 'B', 0x30, 0);
    EXPECT_EQ(live.getKeyText().toUtf8(), "a");
}

// Each kind of rule once, through the handler: text, fixed, by Shift, the
// layout's character (and its count), AltGr, keep.
TEST_F(LLHandlerTest, NamesUnderUsUkGermanAndSwedishLayouts) {
    const struct {
        HKL layout;
        bool shift;
        DWORD vk, scan, flags;
        int count;
        const wchar_t* text;
        const char* expected;
    } rows[] = {
        {kGermanLayout, false, 0xDC, 0x29, 0, 1, L"#", "^"},
        {kGermanLayout, true, 0xDC, 0x29, 0, 1, L"#", "\u00B0"},
        {kUsLayout, false, 'Z', 0x2C, 0, 2, L"^x", "^x"},
        {kUsLayout, false, 'Z', 0x2C, 0, 3, L"abc", "ab"},
        {kUsLayout, false, 'Z', 0x2C, 0, 0, L"", "keyDefault"},
        {kUsLayout, false, 'Z', 0x2C, 0, -1, L"^", "keyDefault"},
        {kGermanLayout, false, VK_RMENU, 0x38, LLKHF_EXTENDED, 1, L"#", "Alt Gr"},
        {kUsLayout, false, VK_RMENU, 0x38, LLKHF_EXTENDED, 1, L"#", "keyRightAlt"},
        {kUsLayout, false, VK_PRIOR, 0x49, LLKHF_EXTENDED, 1, L"#", "keyPageUp"},
        {layoutFor(0x041D), false, 0xBA, 0x1B, 0, 1, L"#", "^"},
        {layoutFor(0x041D), true, 0xBA, 0x1B, 0, 1, L"#", "^"},  // shifted: the last name stays
    };
    for (const auto& row : rows) {
        keyboard.layout = row.layout;
        keyboard.toUnicode = answer(row.count, row.text);
        if (row.shift) keyboard.press(VK_SHIFT); else keyboard.release(VK_SHIFT);
        down(row.vk, row.scan, 0, row.flags);
        EXPECT_EQ(name(), row.expected) << std::hex << row.vk << " " << row.count;
        up(row.vk, row.scan, 0, row.flags);
    }
}

TEST_F(LLHandlerTest, DumpWritesTheRecordWithMaskedFlags) {
    kvo::ScopedLogCapture capture(1);
    event(handler, WM_SYSKEYUP, VK_RCONTROL, 0x1D, LLKHF_EXTENDED | LLKHF_INJECTED | LLKHF_ALTDOWN | LLKHF_UP);
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
