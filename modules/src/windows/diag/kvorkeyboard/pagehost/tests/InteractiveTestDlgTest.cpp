// The frame, modeless, on the simple test's page: what it shows for a single
// test, and how the page's requests, its own buttons and the close box act on
// its buttons and its verdict. Its radios switching pages are the acceptance
// suite's business.
#include "pagehost/InteractiveTestDlg.h"

#include <iterator>
#include <memory>
#include <string>

#include "page/testing/DialogTest.h"
#include "res/SimpleKeyboardTestRes.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

class InteractiveTestDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        setParameter(ParameterId::ImagesPath, KVORKEYBOARD_TEST_IMAGES_DIR);
        open();
    }
    // Handles what the page asked for as it opened.
    void open() {
        frame = std::make_unique<CInteractiveTestDlg>(nullptr, IDD_SIMPLE_KEYBOARD_TEST, false);
        ASSERT_TRUE(frame->Create(IDD_INTERACTIVE_TEST));
        pump();
    }
    CWnd* item(int id) { return frame->GetDlgItem(id); }
    CKeyboardTest* page() {
        return dynamic_cast<CKeyboardTest*>(CWnd::FromHandlePermanent(GetWindow(item(IDC_TEST_AREA)->m_hWnd, GW_CHILD)));
    }
    void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    std::unique_ptr<CInteractiveTestDlg> frame;
};

}  // namespace

// A single test shows the keyboard picture instead of the radios, which do
// nothing. Every button request of the page goes through the frame's message
// queue and shows or hides, enables or greys its own button and no other; the
// focus request puts the focus in the instructions.
TEST_F(InteractiveTestDlgTest, ASingleTestsFrameShowsItsPictureAndObeysEveryRequestOfItsPage) {
    EXPECT_FALSE(visible(item(IDC_SIMPLE_TEST_RADIO)) || visible(item(IDC_AVAILABLE_TESTS)));
    const auto* picture = dynamic_cast<PngControl*>(CWnd::FromHandlePermanent(item(IDC_KEYBOARD_PICTURE)->m_hWnd));
    EXPECT_TRUE(visible(picture) && picture->HasImage());
    CKeyboardTest* const simple = page();
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LAYOUT_TEST_RADIO, BN_CLICKED));
    EXPECT_EQ(page(), simple);
    const auto buttons = [this] {
        std::string state;  // per button: 'v' visible, 'e' enabled
        for (int id : {IDC_PASS, IDC_FAIL, IDC_ABORT, IDC_START})
            state += std::string(visible(item(id)) ? "v" : "-") + (IsWindowEnabled(item(id)->m_hWnd) ? "e" : "-");
        return state;
    };
    const UINT requests[] = {WM_TEST_SHOW_PASS,  WM_TEST_ENABLE_PASS,  WM_TEST_SHOW_FAIL,  WM_TEST_ENABLE_FAIL,
                             WM_TEST_SHOW_ABORT, WM_TEST_ENABLE_ABORT, WM_TEST_SHOW_START, WM_TEST_ENABLE_START};
    for (std::size_t i = 0; i < std::size(requests); ++i)
        for (BOOL on : {FALSE, TRUE}) {
            std::string expected = buttons();
            expected[i] = on ? "ve"[i % 2] : '-';
            frame->PostMessage(requests[i], on);
            pump();
            EXPECT_EQ(buttons(), expected) << i << on;
        }
    ASSERT_NE(GetFocus(), item(IDC_INSTRUCTIONS)->m_hWnd);
    page()->focusInstructions();
    pump();
    EXPECT_EQ(GetFocus(), item(IDC_INSTRUCTIONS)->m_hWnd);
}

// The frame's own Esc closes it without a verdict.
TEST_F(InteractiveTestDlgTest, EachWayOfEndingGivesItsResult) {
    using R = vemo5::TestResult;
    const struct {
        UINT message;  // to the frame; 0: the page's request instead
        WPARAM wParam;
        void (CKeyboardTest::*request)();
        R result;
    } cases[] = {
        {WM_COMMAND, IDC_PASS, nullptr, R::PASS()},         {WM_COMMAND, IDC_FAIL, nullptr, R::FAIL()},
        {WM_COMMAND, IDC_ABORT, nullptr, R::USERABORTED()}, {WM_CLOSE, 0, nullptr, R::USERABORTED()},
        {WM_COMMAND, IDCANCEL, nullptr, R::INTERNALERROR()}, {0, 0, &CKeyboardTest::pass, R::PASS()},
        {0, 0, &CKeyboardTest::fail, R::FAIL()},            {0, 0, &CKeyboardTest::OnCancel, R::USERABORTED()},
    };
    for (const auto& c : cases) {
        open();
        log.sink().clear();
        if (c.message)
            frame->SendMessage(c.message, c.wParam);
        else
            (page()->*c.request)();
        pump();
        EXPECT_EQ(frame->getResult(), c.result) << c.message << " " << c.wParam;
        EXPECT_FALSE(visible(frame.get())) << c.message << " " << c.wParam;
        EXPECT_EQ(raised(g_pUserClickedFailEvent, "CInteractiveTestDlg", 287), c.result == R::FAIL() ? 1 : 0) << c.message << " " << c.wParam;
    }
}
