// The simple test page in the frame, fed low-level events through its hook
// entry, with the fake keyboard behind its handler. What each keystroke
// means is SimpleTestDecisionsTest's business; here, what the page shows.
#include "simple/SimpleKeyboardTest.h"

#include <string>
#include <vector>

#include "page/testing/DialogTest.h"
#include "res/SimpleKeyboardTestRes.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

class SimpleKeyboardTestTest : public HostedPageTest<CSimpleKeyboardTest> {
protected:
    LRESULT key(DWORD vk, DWORD scan, DWORD time, DWORD flags = 0) {
        KBDLLHOOKSTRUCT e{vk, scan, flags, time, 0};
        const UINT message = flags & LLKHF_UP ? WM_KEYUP : flags & LLKHF_ALTDOWN ? WM_SYSKEYDOWN : WM_KEYDOWN;
        return page->keyboardHookHandler(message, reinterpret_cast<LPARAM>(&e));
    }
    std::wstring text(int id) {
        kvo::String value;
        page->GetDlgItem(id)->GetWindowText(value);
        return value.getUCS2Buffer();
    }
    // Which of its two lamps each of Num, Caps and Scroll Lock shows: 1 on, 0 off.
    std::string lamps() {
        std::string shown;
        for (auto [on, off] : {std::pair{IDC_NUM_LOCK_ON, IDC_NUM_LOCK_OFF}, {IDC_CAPS_LOCK_ON, IDC_CAPS_LOCK_OFF},
                               {IDC_SCROLL_LOCK_ON, IDC_SCROLL_LOCK_OFF}})
            shown += visible(page->GetDlgItem(on)) && !visible(page->GetDlgItem(off)) ? '1' : '0';
        return shown;
    }
};

}  // namespace

// Alt+P waits for a key shown; Alt+X is switched off by its parameter. The
// hook's answer is the handler's block decision.
TEST_F(SimpleKeyboardTestTest, KeystrokesShowCodesTimeLampsAndHistoryAndOfferPass) {
    env.keyboard.setToggled(VK_NUMLOCK, true);
    setParameter(ParameterId::bDisableAbortKeyboardShortcut, "true");
    open(IDD_SIMPLE_KEYBOARD_TEST);
    ASSERT_EQ(env.hooks.installed.size(), 1u);
    EXPECT_EQ(env.hooks.installed[0].idHook, WH_KEYBOARD_LL);
    EXPECT_EQ(lamps(), "100");
    key('P', 0x19, 900, LLKHF_ALTDOWN);
    key('X', 0x2D, 950, LLKHF_ALTDOWN);
    EXPECT_EQ(key('A', 0x1E, 1000), 1);
    key('A', 0x1E, 1533);
    EXPECT_EQ(text(IDC_DEPRESSED_TIME), L"533 ms");
    key('A', 0x1E, 1600, LLKHF_UP);
    EXPECT_EQ(text(IDC_DEPRESSED_TIME) + L" " + text(IDC_HISTORY), L"600 ms aa");
    EXPECT_EQ(key(VK_CAPITAL, 0x3A, 2000), 0);
    EXPECT_EQ(text(IDC_VK_CODE) + L" " + text(IDC_SCAN_CODE), L"0x14 0x3A");
    EXPECT_EQ(lamps(), "110");
    key('P', 0x19, 2100, LLKHF_ALTDOWN);
    key('F', 0x21, 2200, LLKHF_ALTDOWN);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_SHOW_START, FALSE}, {WM_TEST_ENABLE_PASS, FALSE},
                                               {WM_TEST_ENABLE_PASS, TRUE}, {WM_TEST_ENABLE_PASS, TRUE},
                                               {WM_TEST_ENABLE_PASS, TRUE}, {WM_TEST_PASS, 0}, {WM_TEST_FAIL, 0}}));
    EXPECT_GT(page->GetDlgItem(IDC_HISTORY)->SendMessage(EM_GETLIMITTEXT), 32767) << "a long session's history";
    page->DestroyWindow();
    EXPECT_EQ(env.hooks.removed, (std::vector<HHOOK>{env.hooks.installed[0].handle}));
}
