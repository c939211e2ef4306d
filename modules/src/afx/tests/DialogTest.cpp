#include <gtest/gtest.h>

#include "HostDialog.h"
#include "kvo/Exception.h"

namespace {

using Step = CHostDialog::Step;
using Init = std::function<void(CHostDialog&)>;

TEST(DoModal, EndsWithTheResultOfTheWayTheDialogWasClosed) {
    const struct {
        const char* rule;
        UINT templateId;
        Init onInit;
        Step step;
        int result, cancels;
    } cases[] = {
        {"EndDialog's value", IDD_HOST, {}, [](CHostDialog& d, WPARAM) { d.EndDialog(42); }, 42, 0},
        {"close box reaches OnCancel", IDD_HOST, {}, [](CHostDialog& d, WPARAM) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); },
         IDCANCEL, 1},
        {"OK button", IDD_HOST, {}, [](CHostDialog& d, WPARAM) { ::SendMessageW(::GetDlgItem(d.m_hWnd, IDOK), BM_CLICK, 0, 0); },
         IDOK, 0},
        {"EndDialog in OnInitDialog never enters the loop", IDD_HOST, [](CHostDialog& d) { d.EndDialog(9); },
         [](CHostDialog& d, WPARAM) { ++d.cancels; }, 9, 0},
        {"a template that cannot be created", IDD_BROKEN, {}, {}, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        CHostDialog dialog(nullptr, c.templateId);
        dialog.onInit = c.onInit;
        dialog.step = c.step;
        ::SetLastError(0);
        EXPECT_EQ(dialog.DoModal(), c.result);
        if (c.result == -1) {
            EXPECT_NE(::GetLastError(), 0u);  // a failure keeps its reason for the caller
        }
        EXPECT_EQ(dialog.cancels, c.cancels);
        EXPECT_EQ(dialog.m_hWnd, nullptr);
    }
    CHostDialog missing(nullptr, IDD_MISSING);
    ::SetLastError(0);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

class OwnedDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.Attach(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20,
                                                   nullptr, nullptr, nullptr, nullptr)));
    }
    CWnd owner;
    CHostDialog dialog{&owner};
};

TEST_F(OwnedDialog, OwnerIsDisabledOnlyWhileTheDialogRuns) {
    bool ownerEnabledInside = true;
    HWND ownerSeen = nullptr;
    dialog.step = [&](CHostDialog& d, WPARAM) {
        ownerEnabledInside = owner.IsWindowEnabled() != FALSE;
        ownerSeen = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(1);
    };
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_EQ(ownerSeen, owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

// The run driver catches what a dialog throws; by then the window must be
// gone and the owner usable, and the next dialog must run normally.
TEST_F(OwnedDialog, AnExceptionLeavesDoModalAfterTheWindowIsGone) {
    const struct {
        const char* rule;
        bool throwInInit;
    } cases[] = {{"from a message handler", false}, {"from OnInitDialog", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        CHostDialog failing(&owner);
        HWND window = nullptr;
        failing.bindMissingControl = c.throwInInit;  // DDX_Control of an id the template lacks
        failing.step = [&](CHostDialog& d, WPARAM) {
            window = d.m_hWnd;
            KVO_ASSERT(window == nullptr);
        };
        EXPECT_THROW(failing.DoModal(), kvo::AssertionFailure);
        EXPECT_EQ(failing.m_hWnd, nullptr);
        EXPECT_FALSE(window && ::IsWindow(window));
        EXPECT_TRUE(owner.IsWindowEnabled());
    }
    dialog.step = [](CHostDialog& d, WPARAM) { d.EndDialog(5); };
    EXPECT_EQ(dialog.DoModal(), 5);
}

TEST(DDXControl, SubclassesTheControlOnceAndRoutesItsPaintToTheClass) {
    CHostDialog dialog;
    int paintsBefore = -1;
    dialog.step = [&](CHostDialog& d, WPARAM) {
        d.UpdateData(FALSE);  // a second exchange leaves the binding alone
        paintsBefore = d.m_painted.paints;
        d.m_painted.Invalidate();
        d.m_painted.UpdateWindow();
        d.EndDialog(d.m_painted.paints - paintsBefore);
    };
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.m_painted.preSubclassCalls, 1);
    EXPECT_EQ(dialog.m_painted.m_hWnd, nullptr);  // untied when the dialog went
}

TEST(Create, ModelessDialogFindsItsBoundControlsAndIsOnlyHiddenByEndDialog) {
    CHostDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HOST));
    EXPECT_EQ(dialog.GetDlgItem(IDC_PAINTED), &dialog.m_painted);  // the bound control is the permanent object
    EXPECT_EQ(dialog.GetDlgItem(IDC_GO)->GetParent(), &dialog);
    dialog.EndDialog(IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

}  // namespace
