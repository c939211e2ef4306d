#include <gtest/gtest.h>

#include <functional>

#include "TestDialogs.h"
#include "afx/Controls.h"
#include "afx/Dialog.h"
#include "afx/Gdi.h"
#include "afx/ScopedWin.h"
#include "kvo/Exception.h"

namespace {

constexpr UINT WM_RUN_STEP = WM_APP + 10;

// A static control that paints itself and counts its paints.
class CCountingStatic : public CStatic {
public:
    int paints = 0;
    int preSubclassCalls = 0;
    void PreSubclassWindow() override { ++preSubclassCalls; }

protected:
    void OnPaint() {
        CPaintDC dc(this);
        ++paints;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// The host dialog; `step` runs once the modal loop is running.
class CHostDialog : public CDialog {
public:
    explicit CHostDialog(CWnd* parent = nullptr, UINT templateId = IDD_HOST) : CDialog(templateId, parent) {}

    std::function<void(CHostDialog&)> onInit;
    std::function<void(CHostDialog&)> step;
    CCountingStatic m_painted;
    int cancels = 0;
    bool bindMissingControl = false;
    void (CHostDialog::*afterDestroy)() = nullptr;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        PostMessage(WM_RUN_STEP);
        return TRUE;
    }
    void OnCancel() override {
        ++cancels;
        CDialog::OnCancel();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_PAINTED, m_painted);
        if (bindMissingControl) DDX_Control(pDX, 4242, m_missing);
    }
    LRESULT onRunStep(WPARAM, LPARAM) {
        if (step) step(*this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_missing;
};

BEGIN_MESSAGE_MAP(CHostDialog, CDialog)
    ON_MESSAGE(WM_RUN_STEP, &CHostDialog::onRunStep)
END_MESSAGE_MAP()

TEST(DoModal, ReturnsWhatEndDialogWasGiven) {
    CHostDialog dialog;
    dialog.step = [](CHostDialog& d) { d.EndDialog(42); };
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.m_hWnd, nullptr);  // the window is gone when DoModal returns
}

TEST(DoModal, CloseBoxReachesOnCancel) {
    CHostDialog dialog;
    dialog.step = [](CHostDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.cancels, 1);
}

TEST(DoModal, OkButtonEndsWithIdOk) {
    CHostDialog dialog;
    dialog.step = [](CHostDialog& d) { ::SendMessageW(::GetDlgItem(d.m_hWnd, IDOK), BM_CLICK, 0, 0); };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.cancels, 0);
}

TEST(DoModal, MissingTemplateGivesMinusOneAndTheReason) {
    CHostDialog dialog(nullptr, IDD_MISSING);
    ::SetLastError(0);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST(DoModal, TemplateThatCannotBeCreatedGivesMinusOne) {
    CHostDialog dialog(nullptr, IDD_BROKEN);
    ::SetLastError(0);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_NE(::GetLastError(), 0u);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DoModal, OwnerIsDisabledWhileTheDialogRuns) {
    CWnd owner;
    ASSERT_TRUE(owner.Attach(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr,
                                               nullptr, nullptr, nullptr)));
    CHostDialog dialog(&owner);
    bool ownerEnabledInside = true;
    HWND ownerSeen = nullptr;
    dialog.step = [&](CHostDialog& d) {
        ownerEnabledInside = owner.IsWindowEnabled() != FALSE;
        ownerSeen = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(1);
    };
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_EQ(ownerSeen, owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(DoModal, ExceptionFromAHandlerLeavesDoModalAfterTheWindowIsGone) {
    CWnd owner;
    ASSERT_TRUE(owner.Attach(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                               nullptr, nullptr)));
    CHostDialog dialog(&owner);
    HWND window = nullptr;
    dialog.step = [&](CHostDialog& d) {
        window = d.m_hWnd;
        KVO_ASSERT(window == nullptr);
    };
    EXPECT_THROW(dialog.DoModal(), kvo::AssertionFailure);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(owner.IsWindowEnabled());
    // The next dialog runs normally: nothing of the failure is left over.
    CHostDialog next;
    next.step = [](CHostDialog& d) { d.EndDialog(5); };
    EXPECT_EQ(next.DoModal(), 5);
}

TEST(DoModal, ExceptionFromOnInitDialogLeavesDoModal) {
    CHostDialog dialog;
    dialog.bindMissingControl = true;  // DDX_Control of an id the template lacks
    EXPECT_THROW(dialog.DoModal(), kvo::AssertionFailure);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DoModal, EndDialogInOnInitDialogNeverEntersTheLoop) {
    CHostDialog dialog;
    bool stepRan = false;
    dialog.onInit = [](CHostDialog& d) { d.EndDialog(9); };
    dialog.step = [&](CHostDialog&) { stepRan = true; };
    EXPECT_EQ(dialog.DoModal(), 9);
    EXPECT_FALSE(stepRan);
}

TEST(DDXControl, SubclassesTheControlOnceAndRoutesItsPaintToTheClass) {
    CHostDialog dialog;
    int paintsAfterInit = -1;
    int paintsAfterUpdate = -1;
    HWND bound = nullptr;
    dialog.step = [&](CHostDialog& d) {
        bound = d.m_painted.m_hWnd;
        d.UpdateData(FALSE);  // a second exchange leaves the binding alone
        paintsAfterInit = d.m_painted.paints;
        d.m_painted.Invalidate();
        d.m_painted.UpdateWindow();
        paintsAfterUpdate = d.m_painted.paints;
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_NE(bound, nullptr);
    EXPECT_EQ(dialog.m_painted.preSubclassCalls, 1);
    EXPECT_EQ(paintsAfterUpdate, paintsAfterInit + 1);
    EXPECT_EQ(dialog.m_painted.m_hWnd, nullptr);  // untied when the dialog went
}

TEST(Create, ModelessTopLevelDialogAndItsControls) {
    CHostDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HOST));
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.GetDlgItem(IDC_PAINTED), &dialog.m_painted);  // the bound control is the permanent object
    CWnd* go = dialog.GetDlgItem(IDC_GO);
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(go->GetParent(), &dialog);
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    dialog.EndDialog(IDOK);  // a modeless dialog is only hidden
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

}  // namespace
