// A page created by run-time class as a modeless child dialog inside a
// control of its host, asking the host for things by posting to its
// parent's parent: the shape of the module's test pages.
#include <gtest/gtest.h>

#include <memory>

#include "HostDialog.h"
#include "kvo/Exception.h"

namespace {

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
        GetParent()->GetParent()->PostMessage(WM_RUN_STEP, 77);
    }
    DECLARE_MESSAGE_MAP()
};
bool CPage::failInit = false;

IMPLEMENT_DYNCREATE(CPage, CDialog)
BEGIN_MESSAGE_MAP(CPage, CDialog)
    ON_BN_CLICKED(IDC_CHILD_BUTTON, &CPage::onButton)
END_MESSAGE_MAP()

TEST(ChildDialog, PageInsideAControlReceivesItsMessagesAndReachesItsHost) {
    CHostDialog host;
    std::unique_ptr<CPage> page;
    BOOL created = FALSE;
    bool childOfTheArea = false;
    host.onInit = [&](CHostDialog& h) {
        page = RUNTIME_CLASS(CPage)->CreateObjectAs<CPage>();
        created = page->Create(IDD_CHILD, h.GetDlgItem(IDC_AREA));
    };
    host.step = [&](CHostDialog& h, WPARAM fromPage) {
        if (fromPage) return h.EndDialog(static_cast<int>(fromPage));
        childOfTheArea = ::GetParent(page->m_hWnd) == h.GetDlgItem(IDC_AREA)->m_hWnd &&
                         (page->GetStyle() & WS_CHILD) && CWnd::FromHandlePermanent(page->m_hWnd) == page.get();
        // The operator clicks the page's button.
        ::SendMessageW(::GetDlgItem(page->m_hWnd, IDC_CHILD_BUTTON), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(host.DoModal(), 77);
    EXPECT_TRUE(created);
    EXPECT_TRUE(childOfTheArea);
    EXPECT_EQ(page->initCalls, 1);
    EXPECT_EQ(page->clicks, 1);
    EXPECT_EQ(page->m_hWnd, nullptr);  // the host's window took the page's with it
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
