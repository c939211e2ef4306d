#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/ScopedWin.h"
#include "afx/Wnd.h"

namespace {

constexpr UINT WM_BOTH = WM_APP + 1;       // handled by base and derived: the derived one wins
constexpr UINT WM_BASE_ONLY = WM_APP + 2;  // handled by the base only
constexpr UINT ID_CONTROL = 10;

// A window for an object to own: the object destroys it when it goes.
HWND makeStatic() {
    return ::CreateWindowExW(0, L"STATIC", L"start", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
}

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    LRESULT onBoth(WPARAM, LPARAM) {
        calls.push_back("base both");
        return 1;
    }
    LRESULT onBaseOnly(WPARAM wParam, LPARAM lParam) {
        calls.push_back("base only");
        return static_cast<LRESULT>(wParam + lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_BOTH, &CBaseWnd::onBoth)
    ON_MESSAGE(WM_BASE_ONLY, &CBaseWnd::onBaseOnly)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    int preSubclassCalls = 0;
    kvo::String textSeenAfterDefault;

    void PreSubclassWindow() override { ++preSubclassCalls; }

protected:
    LRESULT onBoth(WPARAM, LPARAM) {
        calls.push_back("derived both");
        return 2;
    }
    void onClicked() { calls.push_back("clicked"); }
    void onSelEndOk() { calls.push_back("selendok"); }
    void OnTimer(UINT_PTR nIDEvent) { calls.push_back("timer " + std::to_string(nIDEvent)); }
    LRESULT onSetText(WPARAM, LPARAM) {
        const LRESULT result = Default();  // the static's own procedure stores the text
        GetWindowText(textSeenAfterDefault);
        return result;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(WM_BOTH, &CDerivedWnd::onBoth)
    ON_BN_CLICKED(ID_CONTROL, &CDerivedWnd::onClicked)
    ON_CBN_SELENDOK(ID_CONTROL, &CDerivedWnd::onSelEndOk)
    ON_WM_TIMER()
    ON_MESSAGE(WM_SETTEXT, &CDerivedWnd::onSetText)
END_MESSAGE_MAP()

class MessageMap : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(wnd.SubclassWindow(window)); }
    const HWND window = makeStatic();
    const LONG_PTR original = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
    CDerivedWnd wnd;
};

TEST_F(MessageMap, MostDerivedEntryWinsAndBaseEntriesStillApply) {
    EXPECT_EQ(wnd.preSubclassCalls, 1);
    EXPECT_EQ(wnd.SendMessage(WM_BOTH), 2);
    EXPECT_EQ(wnd.SendMessage(WM_BASE_ONLY, 3, 4), 7);
    wnd.SendMessage(WM_TIMER, 7);  // typed handlers get their arguments
    wnd.SetWindowText(L"changed");  // Default() runs the window's own procedure
    EXPECT_EQ(wnd.textSeenAfterDefault, kvo::String("changed"));
    EXPECT_EQ(wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(5, 5)), HTTRANSPARENT);  // so do messages no map names
    EXPECT_EQ(wnd.calls, (std::vector<std::string>{"derived both", "base only", "timer 7"}));
}

TEST_F(MessageMap, CommandsMatchBothNotificationCodeAndControlId) {
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CONTROL, BN_CLICKED));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CONTROL, CBN_SELENDOK));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CONTROL, CBN_SELCHANGE));   // no entry for this code
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CONTROL + 1, BN_CLICKED));  // nor for this id
    EXPECT_EQ(wnd.calls, (std::vector<std::string>{"clicked", "selendok"}));
}

TEST_F(MessageMap, DetachGivesTheWindowItsOwnProcedureBack) {
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &wnd);
    EXPECT_EQ(CWnd::FromHandle(window), &wnd);
    EXPECT_EQ(wnd.Detach(), window);
    const afx::ScopedWindow detached(window);  // a detached window outlives the tie
    EXPECT_EQ(::GetWindowLongPtrW(window, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
    ::SendMessageW(window, WM_BOTH, 0, 0);
    EXPECT_TRUE(wnd.calls.empty());
}

// However the window goes, no object may stay tied to its dead handle.
TEST(Subclassing, TheTieEndsWithTheWindow) {
    HWND window = makeStatic();
    {
        CDerivedWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(window));
    }
    EXPECT_FALSE(::IsWindow(window));  // the object took its window with it
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);

    CDerivedWnd subclassed;
    CWnd attached;
    ASSERT_TRUE(subclassed.SubclassWindow(window = makeStatic()));
    ASSERT_TRUE(attached.Attach(makeStatic()));
    ::DestroyWindow(window);
    EXPECT_TRUE(attached.DestroyWindow());
    EXPECT_EQ(subclassed.m_hWnd, nullptr);
    EXPECT_EQ(attached.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);

    EXPECT_FALSE(attached.SubclassWindow(nullptr));
    EXPECT_FALSE(attached.Attach(window));  // dead
    EXPECT_EQ(attached.m_hWnd, nullptr);
}

TEST(FromHandle, OtherWindowsGetOneTemporaryObjectEach) {
    const afx::ScopedWindow window(makeStatic());
    CWnd* first = CWnd::FromHandle(window.get());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_hWnd, window.get());
    EXPECT_EQ(CWnd::FromHandle(window.get()), first);
    EXPECT_EQ(CWnd::FromHandlePermanent(window.get()), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

}  // namespace
