// Modal dialogs: how they end, and what they leave behind.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "TestDialogs.h"
#include "afx/Controls.h"
#include "afx/Dialog.h"
#include "kvo/Exception.h"


constexpr UINT WM_RUN_STEP = WM_APP + 10;

// Runs test code inside its modal loop: `step` once the loop runs (with 0),
// then for every WM_RUN_STEP posted to the dialog.
class CHostDialog : public CDialog {
public:
    using Step = std::function<void(CHostDialog&, WPARAM)>;
    explicit CHostDialog(CWnd* parent = nullptr, UINT templateId = IDD_HOST) : CDialog(templateId, parent) {}
    std::function<void(CHostDialog&)> onInit;
    Step step;
    int cancels = 0;
    bool bindMissingControl = false;  // DDX_Control of an id the template lacks: OnInitDialog throws

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        PostMessage(WM_RUN_STEP);
        return TRUE;
    }
    void OnCancel() override { ++cancels, CDialog::OnCancel(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (bindMissingControl) DDX_Control(pDX, 4242, m_missing);
    }
    LRESULT onRunStep(WPARAM wParam, LPARAM) { return step ? step(*this, wParam), 0 : 0; }
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_missing;
};
BEGIN_MESSAGE_MAP(CHostDialog, CDialog)
    ON_MESSAGE(WM_RUN_STEP, &CHostDialog::onRunStep)
END_MESSAGE_MAP()

TEST(DoModal, EndsWithTheResultOfTheWayTheDialogWasClosed) {
    // A failure keeps its reason for the caller.
    const struct { const char* rule; UINT templateId; std::function<void(CHostDialog&)> onInit; CHostDialog::Step step;
                   int result, cancels; DWORD error; } cases[] = {
        {"EndDialog's value", IDD_HOST, {}, [](CHostDialog& d, WPARAM) { d.EndDialog(42); }, 42, 0, 0},
        {"close box reaches OnCancel", IDD_HOST, {}, [](CHostDialog& d, WPARAM) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); },
         IDCANCEL, 1, 0},
        {"OK button", IDD_HOST, {}, [](CHostDialog& d, WPARAM) { d.GetDlgItem(IDOK)->SendMessage(BM_CLICK); },
         IDOK, 0, 0},
        {"EndDialog in OnInitDialog never enters the loop", IDD_HOST, [](CHostDialog& d) { d.EndDialog(9); },
         [](CHostDialog& d, WPARAM) { ++d.cancels; }, 9, 0, 0},
        {"a control that cannot be created", IDD_BROKEN, {}, {}, -1, 0, ERROR_CANNOT_FIND_WND_CLASS},
        {"a missing template", IDD_MISSING, {}, {}, -1, 0, ERROR_RESOURCE_NAME_NOT_FOUND},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        CHostDialog dialog(nullptr, c.templateId);
        dialog.onInit = c.onInit;
        dialog.step = c.step;
        ::SetLastError(0);
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(std::make_tuple(result, result == -1 ? ::GetLastError() : 0u, dialog.cancels, dialog.m_hWnd),
                  std::make_tuple(INT_PTR{c.result}, c.error, c.cancels, HWND{}));
    }
}

// The run driver catches what a dialog throws; by then the window must be gone
// and the owner usable, as after a normal end, and the next dialog runs as usual.
TEST(OwnedDialog, TheOwnerIsDisabledOnlyWhileTheDialogRunsHoweverItEnds) {
    CWnd owner;
    ASSERT_TRUE(owner.Attach(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr,
                                               nullptr, nullptr, nullptr)));
    for (const char* ending : {"a handler throws", "OnInitDialog throws", "EndDialog"}) {
        SCOPED_TRACE(ending);
        const bool normal = ending[0] == 'E';
        CHostDialog dialog(&owner);
        dialog.bindMissingControl = ending[0] == 'O';
        bool ownedAndOwnerDisabled = false;
        HWND window = nullptr;
        dialog.step = [&](CHostDialog& d, WPARAM) {
            window = d.m_hWnd;
            ownedAndOwnerDisabled = ::GetWindow(window, GW_OWNER) == owner.m_hWnd && !::IsWindowEnabled(owner.m_hWnd);
            KVO_ASSERT(normal);
            d.EndDialog(5);
        };
        INT_PTR result = 0;
        try {
            result = dialog.DoModal();
        } catch (const kvo::AssertionFailure&) {
            result = -2;
        }
        EXPECT_EQ(result, normal ? 5 : -2);
        EXPECT_EQ(ownedAndOwnerDisabled, ending[0] != 'O');
        EXPECT_FALSE(window && ::IsWindow(window));
        EXPECT_EQ(dialog.m_hWnd, nullptr);
        EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    }
}
