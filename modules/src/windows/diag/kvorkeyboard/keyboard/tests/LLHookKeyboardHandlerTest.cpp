// The low-level handler fed KBDLLHOOKSTRUCT events: records by scan code,
// the lamps, the Korean one-shot keys, the default-name parameters and the
// names it takes from the layout.
#include <gtest/gtest.h>

#include "registration/ModuleParameters.h"
#include "keyboard/LLHookKeyboardHandler.h"
#include "system/testing/FakeKeyboardInput.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeKeyboardInput;

namespace {

const HKL kUs = FakeKeyboardInput::layoutFor(0x0409), kGerman = FakeKeyboardInput::layoutFor(0x0407),
          kKorean = FakeKeyboardInput::layoutFor(0x0412);

void setDefaultNames(bool force, bool exceptEnglish) {
    if (!parameterHandle(ParameterId::bForceKeyPressDefault)) CreateModuleParameters();
    EXPECT_TRUE(parameterHandle(ParameterId::bForceKeyPressDefault)->setValue(force ? "1" : "0"));
    EXPECT_TRUE(parameterHandle(ParameterId::bForceKeyPressDefaultExceptEnglish)->setValue(exceptEnglish ? "1" : "0"));
}

class LLHandlerTest : public ::testing::Test {
protected:
    ~LLHandlerTest() override { setDefaultNames(false, false); }
    int event(UINT message, DWORD vk, DWORD scan, DWORD time = 0, DWORD flags = 0) {
        KBDLLHOOKSTRUCT e{vk, scan, flags | (message & 1 ? LLKHF_UP : 0), time, 0};
        return handler->handleKeystroke(message, reinterpret_cast<LPARAM>(&e));
    }
    std::string name() const { return handler->getKeyText().toUtf8(); }
    FakeKeyboardInput keyboard;
    std::unique_ptr<LLHookKeyboardHandler> handler = std::make_unique<LLHookKeyboardHandler>(keyboard);
};

// Records are kept by scan code, up to the table's end. Hangul and Hanja send
// no release on a Korean keyboard; the right Alt key sends Hangul's code too,
// with its own scan code, and does.
TEST_F(LLHandlerTest, RecordsTheLampsAndTheKoreanOneShotKeys) {
    EXPECT_EQ(event(WM_KEYDOWN, VK_LSHIFT, 600), KEY_IGNORED);
    EXPECT_EQ(handler->shouldBlockKey(), 1);  // before any key: no key, which the system does not get
    EXPECT_EQ(event(WM_KEYDOWN, VK_LCONTROL, 0x1D, 10), KEY_PRESSED);
    EXPECT_EQ(event(WM_KEYUP, VK_RCONTROL, 0x1D, 610, LLKHF_EXTENDED), KEY_RELEASED);
    EXPECT_EQ(handler->getDepressedTime(), 600u);
    EXPECT_EQ(event(WM_KEYDOWN, VK_LSHIFT, 512), KEY_IGNORED);
    EXPECT_EQ(event(WM_KEYDOWN, VK_LSHIFT, 511), KEY_PRESSED);
    const std::tuple<DWORD, DWORD, HKL, int> korean[] = {
        {VK_HANGUL, 0xF2, kUs, KEY_REPEATED}, {VK_HANGUL, 0xF2, kKorean, KEY_PRESSED}, {VK_HANJA, 0xF1, kKorean, KEY_PRESSED},
        {VK_HANGUL, 0x38, kKorean, KEY_REPEATED}};
    for (const auto& [vk, scan, layout, second] : korean) {
        keyboard.layout = layout;
        EXPECT_EQ(event(WM_KEYDOWN, vk, scan), KEY_PRESSED);
        EXPECT_EQ(event(WM_KEYDOWN, vk, scan), second) << std::hex << scan;
    }
    keyboard.setToggled(VK_NUMLOCK, true), handler = std::make_unique<LLHookKeyboardHandler>(keyboard);
    for (DWORD vk : {VK_CAPITAL, VK_CAPITAL, VK_NUMLOCK, VK_SCROLL}) event(WM_KEYDOWN, vk, vk);
    EXPECT_EQ((std::vector<bool>{handler->isCapsLockOn(), handler->isNumLockOn(), handler->isScrollLockOn()}),
              (std::vector<bool>{true, false, true}));
}

// The first parameter is read when the handler is made, the second at every event.
TEST_F(LLHandlerTest, DefaultNameParameters) {
    const struct { bool force, exceptEnglish; HKL layout; const char *expected, *afterBothFlip; } rows[] = {{false, false, kGerman, "a", "keyDefault"}, {true, false, kUs, "keyDefault", "keyDefault"},
                {false, true, kUs, "a", "b"}, {false, true, FakeKeyboardInput::layoutFor(0x0809), "keyDefault", "b"}};
    for (const auto& row : rows) {
        setDefaultNames(row.force, row.exceptEnglish), keyboard.layout = row.layout;
        handler = std::make_unique<LLHookKeyboardHandler>(keyboard);
        event(WM_KEYDOWN, 'A', 0x1E);
        EXPECT_EQ(name(), row.expected) << row.force << row.exceptEnglish;
        setDefaultNames(!row.force, !row.exceptEnglish);
        event(WM_KEYDOWN, 'B', 0x30);
        EXPECT_EQ(name(), row.afterBothFlip) << row.force << row.exceptEnglish;
    }
}

// A dead key has no character to show; with Alt down Print Screen goes on to
// the system (the rest of the naming rules are the logic's tables).
TEST_F(LLHandlerTest, ADeadKeyTakesTheDefaultNameAndAltLetsPrintScreenThrough) {
    keyboard.translateTo(-1, L"^");
    event(WM_KEYDOWN, 'Z', 0x2C);
    EXPECT_EQ(name(), "keyDefault");
    event(WM_KEYDOWN, VK_SNAPSHOT, 0x37, 0, LLKHF_EXTENDED | LLKHF_ALTDOWN);
    EXPECT_EQ(handler->shouldBlockKey(), 0);
}

}  // namespace
