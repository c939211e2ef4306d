#include <gtest/gtest.h>

#include "afx/ScopedWin.h"
#include "afx/Wnd.h"


constexpr UINT WM_BOTH = WM_APP + 1;       // handled by base and derived: the derived one wins
constexpr UINT WM_BASE_ONLY = WM_APP + 2;  // handled by the base only
constexpr UINT ID_CONTROL = 10;

HWND makeStatic() {
    return ::CreateWindowExW(0, L"STATIC", L"start", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
}

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    LRESULT onBoth(WPARAM, LPARAM) { return calls.push_back("base both"), 1; }
    LRESULT onBaseOnly(WPARAM wParam, LPARAM lParam) { return calls.push_back("base only"), wParam + lParam; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_BOTH, &CBaseWnd::onBoth)
    ON_MESSAGE(WM_BASE_ONLY, &CBaseWnd::onBaseOnly)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    kvo::String textSeenAfterDefault;

protected:
    LRESULT onBoth(WPARAM, LPARAM) { return calls.push_back("derived both"), 2; }
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

// Commands match both the notification code and the control id; typed
// handlers get their arguments; Default() and messages no map names reach
// the window's own procedure.
TEST(MessageMap, TheMostDerivedEntryWinsAndBaseEntriesStillApply) {
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(makeStatic()));
    EXPECT_EQ(wnd.SendMessage(WM_BOTH), 2);
    EXPECT_EQ(wnd.SendMessage(WM_BASE_ONLY, 3, 4), 7);
    wnd.SendMessage(WM_TIMER, 7);
    for (UINT code : {BN_CLICKED, CBN_SELENDOK, CBN_SELCHANGE}) wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CONTROL, code));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CONTROL + 1, BN_CLICKED));
    wnd.SetWindowText(L"changed");
    EXPECT_EQ(wnd.textSeenAfterDefault, kvo::String("changed"));
    EXPECT_EQ(wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(5, 5)), HTTRANSPARENT);
    EXPECT_EQ(wnd.calls, (std::vector<std::string>{"derived both", "base only", "timer 7", "clicked", "selendok"}));
}

// However the tie ends, no object stays tied to the window, and a detached
// window gets its own procedure back.
TEST(MessageMap, TheTieEndsWithTheWindowOrByDetach) {
    const HWND detached = makeStatic();
    const LONG_PTR original = ::GetWindowLongPtrW(detached, GWLP_WNDPROC);
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(detached));
    EXPECT_EQ(wnd.Detach(), detached);
    const afx::ScopedWindow owner(detached);
    EXPECT_EQ(std::make_pair(::GetWindowLongPtrW(detached, GWLP_WNDPROC), CWnd::FromHandlePermanent(detached)),
              std::make_pair(original, static_cast<CWnd*>(nullptr)));

    HWND window = makeStatic();
    { ASSERT_TRUE(CDerivedWnd().SubclassWindow(window)); }
    EXPECT_FALSE(::IsWindow(window) || CWnd::FromHandlePermanent(window));  // the object took its window with it
    CDerivedWnd subclassed;
    CWnd attached;
    ASSERT_TRUE(subclassed.SubclassWindow(window = makeStatic()));
    ASSERT_TRUE(attached.Attach(makeStatic()));
    ::DestroyWindow(window);
    EXPECT_TRUE(attached.DestroyWindow());
    EXPECT_EQ(std::make_tuple(subclassed.m_hWnd, attached.m_hWnd, CWnd::FromHandlePermanent(window)),
              std::make_tuple(HWND{}, HWND{}, static_cast<CWnd*>(nullptr)));
}
