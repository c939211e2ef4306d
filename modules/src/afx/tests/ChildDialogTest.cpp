// A page created by run-time class as a modeless child dialog inside a
// control of its host, asking the host for things by posting to its
// parent's parent: the shape of the module's test pages.
#include <gtest/gtest.h>

#include <memory>

#include "TestDialogs.h"
#include "afx/Controls.h"
#include "afx/Dialog.h"
#include "kvo/Exception.h"

namespace {

constexpr UINT WM_PAGE_DONE = WM_APP + 20;
constexpr UINT WM_HOST_STEP = WM_APP + 21;

class CPage : public CDialog {
    DECLARE_DYNCREATE(CPage)

public:
    explicit CPage(CWnd* parent = nullptr) : CDialog(IDD_CHILD, parent) {}
    int initCalls = 0;
    int clicks = 0;
    static bool failInit;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ++initCalls;
        KVO_ASSERT(!failInit);
        return TRUE;
    }

protected:
    void onButton() {
        ++clicks;
        GetParent()->GetParent()->PostMessage(WM_PAGE_DONE, 77);
    }
    DECLARE_MESSAGE_MAP()
};
bool CPage::failInit = false;

IMPLEMENT_DYNCREATE(CPage, CDialog)
BEGIN_MESSAGE_MAP(CPage, CDialog)
    ON_BN_CLICKED(IDC_CHILD_BUTTON, &CPage::onButton)
END_MESSAGE_MAP()

class CFrame : public CDialog {
public:
    CFrame() : CDialog(IDD_HOST) {}
    std::unique_ptr<CPage> page;
    BOOL created = FALSE;
    HWND pageWindow = nullptr;
    bool pageWindowGoneWithObject = false;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        page = RUNTIME_CLASS(CPage)->CreateObjectAs<CPage>();
        created = page->Create(IDD_CHILD, GetDlgItem(IDC_AREA));
        pageWindow = page->m_hWnd;
        page->ShowWindow(SW_SHOW);
        PostMessage(WM_HOST_STEP);
        return TRUE;
    }

protected:
    LRESULT onStep(WPARAM, LPARAM) {
        // The operator clicks the page's button.
        ::SendMessageW(::GetDlgItem(page->m_hWnd, IDC_CHILD_BUTTON), BM_CLICK, 0, 0);
        return 0;
    }
    LRESULT onPageDone(WPARAM wParam, LPARAM) {
        page.reset();  // replacing a page destroys its window
        pageWindowGoneWithObject = !::IsWindow(pageWindow);
        EndDialog(static_cast<int>(wParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrame, CDialog)
    ON_MESSAGE(WM_HOST_STEP, &CFrame::onStep)
    ON_MESSAGE(WM_PAGE_DONE, &CFrame::onPageDone)
END_MESSAGE_MAP()

TEST(ChildDialog, PageInsideAControlReceivesItsMessagesAndReachesItsHost) {
    CFrame frame;
    EXPECT_EQ(frame.DoModal(), 77);
    EXPECT_TRUE(frame.created);
    EXPECT_TRUE(frame.pageWindowGoneWithObject);
}

TEST(ChildDialog, IsAChildOfTheControlAndTiedToItsObject) {
    CDialog host(IDD_HOST);
    ASSERT_TRUE(host.Create(IDD_HOST));
    CWnd* area = host.GetDlgItem(IDC_AREA);
    CPage page;
    ASSERT_TRUE(page.Create(IDD_CHILD, area));
    EXPECT_EQ(page.initCalls, 1);
    EXPECT_EQ(::GetParent(page.m_hWnd), area->m_hWnd);
    EXPECT_EQ(page.GetParent()->GetParent(), &host);
    EXPECT_EQ(CWnd::FromHandlePermanent(page.m_hWnd), &page);
    EXPECT_TRUE(page.GetStyle() & WS_CHILD);
    ::SendMessageW(::GetDlgItem(page.m_hWnd, IDC_CHILD_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(page.clicks, 1);
    // The host's window takes the page's window with it; the object is untied.
    host.DestroyWindow();
    EXPECT_EQ(page.m_hWnd, nullptr);
}

TEST(ChildDialog, CreateFailsWithTheReasonForAMissingTemplate) {
    CPage page;
    ::SetLastError(0);
    EXPECT_FALSE(page.Create(IDD_MISSING, nullptr));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(page.m_hWnd, nullptr);
}

TEST(ChildDialog, ExceptionFromOnInitDialogLeavesCreateWithoutAWindow) {
    CDialog host(IDD_HOST);
    ASSERT_TRUE(host.Create(IDD_HOST));
    CPage page;
    CPage::failInit = true;
    EXPECT_THROW(page.Create(IDD_CHILD, host.GetDlgItem(IDC_AREA)), kvo::AssertionFailure);
    CPage::failInit = false;
    EXPECT_EQ(page.m_hWnd, nullptr);
    EXPECT_EQ(::GetWindow(host.GetDlgItem(IDC_AREA)->m_hWnd, GW_CHILD), nullptr);
}

}  // namespace
