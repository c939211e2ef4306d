// The simple test page inside the frame's template, fed low-level events
// through its hook entry, with the fake keyboard behind its handler and a
// fake hook system, so that nothing reaches the real desktop.
#include "simple/SimpleKeyboardTest.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "afx/Gdi.h"
#include "afx/ScopedGdiplus.h"
#include "dialogs/testing/FrameRequests.h"
#include "frame/ModuleParameters.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "keypress/testing/ScreenInk.h"
#include "kvo/Logging.h"
#include "res/InteractiveTestDlgRes.h"
#include "res/SimpleKeyboardTestRes.h"

using namespace kvorkeyboard;

namespace {

using kvorkeyboard::testing::Request;

class SimpleKeyboardTestTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!parameterHandle(ParameterId::ImagesPath)) CreateModuleParameters();
    }
    void SetUp() override {
        ASSERT_TRUE(gdiplus.ok());
        for (ParameterId id : {ParameterId::bUseSimpleUi, ParameterId::bDisablePassKeyboardShortcut,
                               ParameterId::bDisableFailKeyboardShortcut, ParameterId::bDisableAbortKeyboardShortcut,
                               ParameterId::bForceKeyPressDefault, ParameterId::bForceKeyPressDefaultExceptEnglish})
            setParameter(id, "false");
        setParameter(ParameterId::ImagesPath, KVORKEYBOARD_TEST_IMAGES_DIR);
        // Letters name themselves in lower case; other keys have no character.
        env.keyboard.toUnicode = [](UINT vk, UINT, const BYTE*, wchar_t* buffer, int, HKL) {
            if (vk < 'A' || vk > 'Z') return 0;
            buffer[0] = static_cast<wchar_t>(std::towlower(vk));
            return 1;
        };
        ASSERT_TRUE(frame.Create(IDD_INTERACTIVE_TEST));
    }
    void TearDown() override {
        page.reset();
        frame.DestroyWindow();
    }
    static void setParameter(ParameterId id, const char* value) { ASSERT_TRUE(parameterHandle(id)->setValue(value)); }

    void openPage() {
        page = std::make_unique<CSimpleKeyboardTest>();
        ASSERT_TRUE(page->Create(IDD_SIMPLE_KEYBOARD_TEST, frame.GetDlgItem(IDC_TEST_AREA)));
        page->ShowWindow(SW_SHOW);
    }
    LRESULT event(UINT message, DWORD vk, DWORD scan, DWORD time, DWORD flags) {
        KBDLLHOOKSTRUCT e{vk, scan, flags, time, 0};
        return page->keyboardHookHandler(message, reinterpret_cast<LPARAM>(&e));
    }
    LRESULT down(DWORD vk, DWORD scan, DWORD time = 0, DWORD flags = 0) {
        return event(flags & LLKHF_ALTDOWN ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, scan, time, flags);
    }
    LRESULT up(DWORD vk, DWORD scan, DWORD time = 0) { return event(WM_KEYUP, vk, scan, time, LLKHF_UP); }

    // The requests the page has posted to its frame since the last look.
    std::vector<Request> requests() { return kvorkeyboard::testing::takeFrameRequests(frame.m_hWnd); }
    std::wstring text(int id) {
        kvo::String value;
        page->GetDlgItem(id)->GetWindowText(value);
        return value.getUCS2Buffer();
    }
    bool visible(int id) { return (page->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }
    CRect place(int id) {
        CRect rect;
        page->GetDlgItem(id)->GetWindowRect(&rect);
        page->ScreenToClient(&rect);
        return rect;
    }

    kvorkeyboard::testing::ScopedHookEnvironment env;
    afx::GdiplusSession gdiplus;
    CDialog frame;
    std::unique_ptr<CSimpleKeyboardTest> page;
};

}  // namespace

TEST_F(SimpleKeyboardTestTest, OpensWithPassGreyedStartHiddenAndTheLowLevelHookSet) {
    openPage();
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_SHOW_START, FALSE}, {WM_TEST_ENABLE_PASS, FALSE}}));
    ASSERT_EQ(env.hooks.installed.size(), 1u);
    EXPECT_EQ(env.hooks.installed[0].idHook, WH_KEYBOARD_LL);
    page->DestroyWindow();
    EXPECT_EQ(env.hooks.removed, (std::vector<HHOOK>{env.hooks.installed[0].handle}));
}

// The hook's answer is the handler's block decision.
TEST_F(SimpleKeyboardTestTest, KeystrokesFillHistoryCodesAndTime) {
    openPage();
    requests();
    EXPECT_EQ(down('A', 0x1E, 1000), 1);
    EXPECT_EQ(text(IDC_HISTORY), L"a");
    EXPECT_EQ(text(IDC_VK_CODE), L"0x41");
    EXPECT_EQ(text(IDC_SCAN_CODE), L"0x1E");
    EXPECT_EQ(text(IDC_DEPRESSED_TIME), L"0 ms");
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, TRUE}}));

    down('A', 0x1E, 1500);
    down('A', 0x1E, 1533);
    EXPECT_EQ(text(IDC_HISTORY), L"aaa") << "auto-repeats stay on the key's line";
    EXPECT_EQ(text(IDC_DEPRESSED_TIME), L"533 ms");
    up('A', 0x1E, 1600);
    EXPECT_EQ(text(IDC_DEPRESSED_TIME), L"600 ms");

    down('B', 0x30, 2000);
    EXPECT_EQ(text(IDC_HISTORY), L"aaa\r\nb");
    EXPECT_EQ(text(IDC_VK_CODE), L"0x42");
    EXPECT_EQ(down(VK_CAPITAL, 0x3A, 2100), 0);
}

TEST_F(SimpleKeyboardTestTest, HistoryKeepsItsLastLineInView) {
    openPage();
    for (DWORD i = 0; i < 40; ++i) {
        down('A' + i % 26, 0x1E, i * 100);
        up('A' + i % 26, 0x1E, i * 100 + 50);
    }
    auto* history = static_cast<CEdit*>(page->GetDlgItem(IDC_HISTORY));
    EXPECT_EQ(history->GetLineCount(), 40);
    EXPECT_GT(history->GetFirstVisibleLine(), 20);
    EXPECT_GT(history->SendMessage(EM_GETLIMITTEXT), 32767) << "a long session's history still fits";
}

TEST_F(SimpleKeyboardTestTest, ShortcutsFollowTheirParametersAndPassNeedsAKeyShownFirst) {
    const struct {
        const char* what;
        ParameterId disabled;
        bool altFirst;  // the Alt press is seen (and shown) before the letter
        DWORD letter;
        std::vector<Request> expected;
    } cases[] = {
        {"Alt+P", ParameterId::bUseSimpleUi, true, 'P', {{WM_TEST_ENABLE_PASS, TRUE}, {WM_TEST_PASS, 0}}},
        {"P under an Alt held from before", ParameterId::bUseSimpleUi, false, 'P', {}},
        {"Alt+P disabled", ParameterId::bDisablePassKeyboardShortcut, true, 'P', {{WM_TEST_ENABLE_PASS, TRUE}}},
        {"Alt+F", ParameterId::bUseSimpleUi, false, 'F', {{WM_TEST_FAIL, 0}}},
        {"Alt+F disabled", ParameterId::bDisableFailKeyboardShortcut, false, 'F', {}},
        {"Alt+X", ParameterId::bUseSimpleUi, false, 'X', {{WM_TEST_ABORT, 0}}},
        {"Alt+X disabled", ParameterId::bDisableAbortKeyboardShortcut, false, 'X', {}},
    };
    for (const auto& c : cases) {
        setParameter(c.disabled, "true");
        openPage();
        requests();
        if (c.altFirst) down(VK_LMENU, 0x38, 10, LLKHF_ALTDOWN);
        down(c.letter, 0x19, 20, LLKHF_ALTDOWN);
        EXPECT_EQ(requests(), c.expected) << c.what;
        EXPECT_EQ(text(IDC_HISTORY), c.altFirst ? L"keyLeftAlt" : L"") << c.what;
        page.reset();
        setParameter(c.disabled, "false");
    }
}

TEST_F(SimpleKeyboardTestTest, LampsFollowTheTrackedStateAndFlipOnThePress) {
    env.keyboard.setToggled(VK_NUMLOCK, true);
    openPage();
    // Num, Caps and Scroll Lock, each shown by one of its two lamps.
    const auto lamps = [this] {
        std::vector<bool> on;
        for (int id : {IDC_NUM_LOCK_ON, IDC_NUM_LOCK_OFF, IDC_CAPS_LOCK_ON, IDC_CAPS_LOCK_OFF, IDC_SCROLL_LOCK_ON,
                       IDC_SCROLL_LOCK_OFF})
            on.push_back(visible(id));
        return on;
    };
    EXPECT_EQ(lamps(), (std::vector<bool>{true, false, false, true, false, true}));
    down(VK_NUMLOCK, 0x45, 10, LLKHF_EXTENDED);
    up(VK_NUMLOCK, 0x45, 20);  // the release changes nothing
    down(VK_SCROLL, 0x46, 30);
    EXPECT_EQ(lamps(), (std::vector<bool>{false, true, false, true, true, false}));
}

TEST_F(SimpleKeyboardTestTest, SimpleUiHidesCodesAndTimeOnly) {
    setParameter(ParameterId::bUseSimpleUi, "true");
    openPage();
    for (int id : {IDC_KEYSTROKE_INFO_GROUP, IDC_VK_CODE_LABEL, IDC_SCAN_CODE_LABEL, IDC_DEPRESSED_TIME_LABEL,
                   IDC_VK_CODE, IDC_SCAN_CODE, IDC_DEPRESSED_TIME})
        EXPECT_FALSE(visible(id)) << id;
    for (int id : {IDC_LED_GROUP, IDC_NUM_LOCK_LABEL, IDC_CURRENT_KEY, IDC_HISTORY, IDC_HISTORY_GROUP})
        EXPECT_TRUE(visible(id)) << id;
}

// Every label fits its text, and values and lamps share one column right
// of the widest label. The texts are the ids here, some wider than the
// template's labels.
TEST_F(SimpleKeyboardTestTest, LabelsFitTheirTextsAndCompanionsShareOneColumn) {
    openPage();
    LONG widest = 0;
    for (int id : {IDC_NUM_LOCK_LABEL, IDC_CAPS_LOCK_LABEL, IDC_SCROLL_LOCK_LABEL, IDC_VK_CODE_LABEL,
                   IDC_SCAN_CODE_LABEL, IDC_DEPRESSED_TIME_LABEL}) {
        CClientDC dc(page->GetDlgItem(id));
        const afx::ScopedSelectObject font(dc.GetSafeHdc(),
                                           reinterpret_cast<HGDIOBJ>(page->GetDlgItem(id)->SendMessage(WM_GETFONT)));
        kvo::String label;
        page->GetDlgItem(id)->GetWindowText(label);
        EXPECT_GE(place(id).Width(), dc.GetTextExtent(label).cx) << id;
        widest = std::max(widest, place(id).right);
    }
    CRect templateLabel(38, 94, 38 + 55, 104);
    MapDialogRect(page->m_hWnd, &templateLabel);
    EXPECT_GT(widest, templateLabel.right) << "\"msgDepressedTime\" is wider than the template allows";
    for (int id : {IDC_NUM_LOCK_OFF, IDC_NUM_LOCK_ON, IDC_CAPS_LOCK_OFF, IDC_CAPS_LOCK_ON, IDC_SCROLL_LOCK_OFF,
                   IDC_SCROLL_LOCK_ON, IDC_VK_CODE, IDC_SCAN_CODE, IDC_DEPRESSED_TIME})
        EXPECT_EQ(place(id).left, widest + 1) << id;
    EXPECT_EQ(place(IDC_VK_CODE).top, templateLabel.top) << "moved sideways only";
}

TEST_F(SimpleKeyboardTestTest, InstructionsAreComposedOnceForTheProcess) {
    openPage();
    const kvo::String first = page->getInstructions();
    EXPECT_EQ(first, kvo::String("msgInstruction1\r\n\r\nmsgInstruction2\r\n\r\ninstructionNotAnEditor"));
    EXPECT_EQ(page->getSubInstruction1(), kvo::String("msgInstruction3"));
    EXPECT_EQ(page->getSubInstruction2(), kvo::String("msgInstruction4"));
    page.reset();

    setParameter(ParameterId::bDisableAbortKeyboardShortcut, "true");
    setParameter(ParameterId::bDisableFailKeyboardShortcut, "true");
    openPage();
    EXPECT_EQ(page->getInstructions(), first);
    EXPECT_EQ(page->getSubInstruction1(), kvo::String("msgInstructionNoShortcut3"));
    EXPECT_EQ(page->getSubInstruction2(), kvo::String("msgInstructionNoShortcut4"));
}

// Every key has the same default name, so each new press changes the
// colour, blue first, and the alternation carries on into the next page.
TEST_F(SimpleKeyboardTestTest, DefaultNamesAlternateColourAcrossPages) {
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0);
    setParameter(ParameterId::bForceKeyPressDefault, "true");
    openPage();
    const HWND key = page->GetDlgItem(IDC_CURRENT_KEY)->m_hWnd;
    down('A', 0x1E, 10);
    EXPECT_GT(kvorkeyboard::testing::inkOf(key, blue).pixels, 0);
    down('A', 0x1E, 20);
    EXPECT_GT(kvorkeyboard::testing::inkOf(key, blue).pixels, 0) << "a repeat is no new press";
    down('B', 0x30, 30);
    EXPECT_GT(kvorkeyboard::testing::inkOf(key, red).pixels, 0);
    EXPECT_EQ(kvorkeyboard::testing::inkOf(key, blue).pixels, 0);
    page.reset();

    openPage();
    down('C', 0x2E, 40);
    EXPECT_GT(kvorkeyboard::testing::inkOf(page->GetDlgItem(IDC_CURRENT_KEY)->m_hWnd, blue).pixels, 0);
    EXPECT_EQ(text(IDC_HISTORY), L"keyDefault");
}
