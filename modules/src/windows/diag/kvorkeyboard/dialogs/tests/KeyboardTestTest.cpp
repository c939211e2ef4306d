// A page hosted the way the frame hosts it: its requests must reach the
// frame as the exact messages and arguments the frame answers to, in order.
#include <gtest/gtest.h>

#include <vector>

#include "KeyboardTestDialogs.h"
#include "dialogs/KeyboardTest.h"

namespace {

class CPage : public CKeyboardTest {
public:
    CPage() : CKeyboardTest(IDD_TEST_PAGE, nullptr) {}
    LRESULT keyboardHookHandler(WPARAM, LPARAM) override { return 0; }
    kvo::String getInstructions() override { return kvo::String(); }
    kvo::String getSubInstruction1() override { return kvo::String(); }
    kvo::String getSubInstruction2() override { return kvo::String(); }
};

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Posted& o) const { return message == o.message && wParam == o.wParam && lParam == o.lParam; }
};

std::vector<Posted> takePosted(HWND window) {
    std::vector<Posted> out;
    MSG msg;
    while (::PeekMessageW(&msg, window, WM_APP, WM_APP + 0x100, PM_REMOVE)) {
        out.push_back({msg.message, msg.wParam, msg.lParam});
    }
    return out;
}

class HostedPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(IDD_TEST_FRAME));
        ASSERT_TRUE(page.Create(IDD_TEST_PAGE, frame.GetDlgItem(IDC_TEST_AREA)));
        takePosted(frame.m_hWnd);
    }
    CDialog frame{IDD_TEST_FRAME};
    CPage page;
};

// Opposite requests from one handler (Pass greyed, then offered) must not
// be merged or reordered on the way.
TEST_F(HostedPage, EveryRequestReachesTheFrameAsItsMessageWithItsArgumentInOrder) {
    page.pass();
    page.fail();
    page.OnCancel();
    page.start();
    page.enablePassButton(FALSE);
    page.enablePassButton(TRUE);
    page.showPassButton(FALSE);
    page.enableFailButton(FALSE);
    page.showFailButton(TRUE);
    page.enableAbortButton(FALSE);
    page.showAbortButton(FALSE);
    page.enableStartButton(TRUE);
    page.showStartButton(TRUE);
    const std::vector<Posted> expected{
        {0x8001, 0, 0}, {0x8002, 0, 0}, {0x8003, 0, 0}, {0x8004, 0, 0}, {0x8005, 0, 0},
        {0x8005, 1, 0}, {0x8006, 0, 0}, {0x8007, 0, 0}, {0x8008, 1, 0}, {0x8009, 0, 0},
        {0x800A, 0, 0}, {0x800B, 1, 0}, {0x800C, 1, 0},
    };
    EXPECT_EQ(takePosted(frame.m_hWnd), expected);
}

TEST_F(HostedPage, CancelCommandAsksTheFrameToAbortAndLeavesThePage) {
    page.ShowWindow(SW_SHOW);
    ::SendMessageW(page.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    const std::vector<Posted> expected{{WM_TEST_ABORT, 0, 0}};
    EXPECT_EQ(takePosted(frame.m_hWnd), expected);
    EXPECT_TRUE(::IsWindow(page.m_hWnd));
    EXPECT_TRUE(page.GetStyle() & WS_VISIBLE);  // the frame itself is hidden in tests
}

TEST(UnhostedPage, RequestsAreDroppedWithoutAParentOfTheParent) {
    CDialog top(IDD_TEST_FRAME);
    ASSERT_TRUE(top.Create(IDD_TEST_FRAME));
    takePosted(nullptr);
    CPage page;  // directly inside a top-level window: no frame above it
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &top));
    page.pass();
    page.OnCancel();
    CPage windowless;
    windowless.fail();
    EXPECT_TRUE(takePosted(nullptr).empty());
    EXPECT_TRUE(::IsWindow(page.m_hWnd));
}

}  // namespace
