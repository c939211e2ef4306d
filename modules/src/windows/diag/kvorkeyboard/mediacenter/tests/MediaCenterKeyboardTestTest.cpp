// The media-centre dialog on a real window, fed low-level hook events through
// the hook procedure; the key display is read back from the screen. Where its
// buttons go is ButtonRowTest's business.
#include "mediacenter/MediaCenterKeyboardTest.h"

#include <memory>

#include "afx/ScopedWin.h"
#include "page/testing/DialogTest.h"
#include "keyboard/KeyboardHook.h"
#include "keypress/testing/ScreenInk.h"
#include "res/MediaCenterKeyboardTestRes.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

LRESULT key(UINT message, DWORD vk, DWORD flags = 0) {
    KBDLLHOOKSTRUCT event{vk, 0, flags, 0, 0};
    return KeyboardHookProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
}

// Every shortcut parameter is set: this dialog's shortcuts ignore them.
class MediaCenterDialog : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        for (ParameterId id : {ParameterId::bDisablePassKeyboardShortcut, ParameterId::bDisableFailKeyboardShortcut,
                               ParameterId::bDisableAbortKeyboardShortcut})
            setParameter(id, "true");
        open();
    }
    void open() {
        dialog = std::make_unique<CMediaCenterKeyboardTest>(nullptr, env.keyboard);
        ASSERT_TRUE(dialog->Create(IDD_MEDIA_CENTER_KEYBOARD_TEST));
    }
    std::unique_ptr<CMediaCenterKeyboardTest> dialog;
};

// A key's name is painted at once, and again at every repeat.
TEST_F(MediaCenterDialog, ShowsEachKeyAsItArrivesWhileItsHookIsSet) {
    const HWND display = dialog->GetDlgItem(IDC_KEY_PRESSED)->m_hWnd;
    RECT area;
    GetClientRect(display, &area);
    dialog->UpdateWindow();
    const auto anyKey = capture(display).pixels;

    EXPECT_EQ(key(WM_KEYDOWN, 'A'), 1) << "the handler's answer: letters stay from the system";
    const auto letterA = capture(display).pixels;
    EXPECT_TRUE(letterA != anyKey);
    FillRect(afx::ScopedWindowDC(display).get(), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    key(WM_KEYDOWN, 'A');
    EXPECT_TRUE(capture(display).pixels == letterA) << "repainted at the repeat";
    ASSERT_EQ(env.hooks.installed.size(), 1u);
    EXPECT_EQ(env.hooks.installed[0].idHook, WH_KEYBOARD_LL);
    dialog->DestroyWindow();
    EXPECT_EQ(env.hooks.removed.size(), 1u);
}

TEST_F(MediaCenterDialog, EveryEndingGivesItsResultAndOnlyFailReportsOnce) {
    using R = vemo5::TestResult;
    const struct {
        int button;  // 0: the Alt shortcut of the letter
        DWORD letter;
        R result;
    } cases[] = {{IDC_PASS, 0, R::PASS()}, {IDC_FAIL, 0, R::FAIL()}, {IDC_ABORT, 0, R::USERABORTED()},
                 {0, 'P', R::PASS()},      {0, 'F', R::FAIL()},      {0, 'X', R::USERABORTED()}};
    for (const auto& c : cases) {
        open();  // the hook has room for one target: the last dialog's went with it
        log.sink().clear();
        if (c.button)
            dialog->SendMessage(WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED));
        else
            EXPECT_EQ(key(WM_SYSKEYDOWN, c.letter, LLKHF_ALTDOWN), 1) << c.letter;
        EXPECT_EQ(dialog->getResult(), c.result) << c.button << c.letter;
        EXPECT_FALSE(dialog->IsWindowVisible()) << c.button << c.letter;
        EXPECT_EQ(raised(g_pUserClickedFailEvent, "CMediaCenterKeyboardTest", 277), c.result == R::FAIL() ? 1 : 0) << c.button << c.letter;
    }
}

}  // namespace
