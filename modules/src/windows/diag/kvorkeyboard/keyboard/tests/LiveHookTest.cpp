// The real hooks under Wine: a test dialog installs one, synthesised keys go
// through Windows' hook dispatch to keyboardHookHandler and its handler.
// Wine gives low-level events no Alt flag, so shortcuts stay with the unit
// tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/KeyboardTest.h"
#include "keyboard/HookKeyboardHandler.h"
#include "keyboard/KeyboardHook.h"
#include "keyboard/LLHookKeyboardHandler.h"

using namespace kvorkeyboard;

namespace {

constexpr UINT IDD_LIVE = 300;

struct Seen {
    int action;
    std::string name;
    bool operator==(const Seen& o) const { return action == o.action && name == o.name; }
};
std::ostream& operator<<(std::ostream& out, const Seen& s) { return out << s.action << " " << s.name; }

// A page that installs the hook of its kind while its window exists.
class CLivePage : public CKeyboardTest {
public:
    explicit CLivePage(bool threadLocal) : CKeyboardTest(IDD_LIVE, nullptr), m_threadLocal(threadLocal) {}
    ~CLivePage() override { KeyboardHook::uninstall(); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        KeyboardHook::install(this, m_threadLocal);
        return TRUE;
    }
    kvo::String getInstructions() override { return {}; }
    kvo::String getSubInstruction1() override { return {}; }
    kvo::String getSubInstruction2() override { return {}; }

    std::vector<Seen> seen;

private:
    bool m_threadLocal;
};

class CLowLevelPage : public CLivePage {
public:
    CLowLevelPage() : CLivePage(false) {}
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override {
        const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (!(event.flags & LLKHF_INJECTED)) return 0;  // the display's own keys are none of this test's business
        const int action = handler.handleKeystroke(wParam, lParam);
        seen.push_back({action, handler.getKeyText().toUtf8()});
        return handler.shouldBlockKey();
    }
    LLHookKeyboardHandler handler;
};

// The layout test's kind: a message hook on the dialog's thread, which sees
// keys on their way to the focused window.
class CThreadPage : public CLivePage {
public:
    CThreadPage() : CLivePage(true) {}
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override {
        const int action = handler.handleKeystroke(wParam, lParam);
        seen.push_back({action, std::to_string(handler.getScanCode())});
        return 1;
    }
    HookKeyboardHandler handler;
};

void pumpFor(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(5);
    }
}

void send(BYTE vk, BYTE scan, DWORD flags) {
    ::keybd_event(vk, scan, flags, 0);
    pumpFor(60);
}
void tap(BYTE vk, BYTE scan, DWORD extended = 0) {
    send(vk, scan, extended);
    send(vk, scan, extended | KEYEVENTF_KEYUP);
}
// Held long enough for one auto-repeat.
void hold(BYTE vk, BYTE scan) {
    send(vk, scan, 0);
    send(vk, scan, 0);
    send(vk, scan, KEYEVENTF_KEYUP);
}

TEST(LiveLowLevelHook, SynthesisedKeysReachTheTestThroughItsHandler) {
    CLowLevelPage page;
    ASSERT_TRUE(page.Create(IDD_LIVE, nullptr));
    ASSERT_EQ(g_pHookTarget, &page);
    hold('A', 0x1E);
    tap(VK_RETURN, 0x1C);
    tap(VK_RETURN, 0x1C, KEYEVENTF_EXTENDEDKEY);
    send(VK_LCONTROL, 0x1D, 0);
    send(VK_RCONTROL, 0x1D, KEYEVENTF_EXTENDEDKEY);
    send(VK_RCONTROL, 0x1D, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
    send(VK_LCONTROL, 0x1D, KEYEVENTF_KEYUP);
    tap(VK_LWIN, 0x5B, KEYEVENTF_EXTENDEDKEY);
    const std::vector<Seen> expected{
        {KEY_PRESSED, "a"}, {KEY_REPEATED, "a"}, {KEY_RELEASED, "a"},
        {KEY_PRESSED, "keyEnter"}, {KEY_RELEASED, "keyEnter"},
        {KEY_PRESSED, "keyNumEnter"}, {KEY_RELEASED, "keyNumEnter"},
        {KEY_PRESSED, "keyLeftCtrl"}, {KEY_REPEATED, "keyRightCtrl"}, {KEY_RELEASED, "keyRightCtrl"},
        {KEY_IGNORED, "keyLeftCtrl"},
        {KEY_PRESSED, "keyLeftWindows"}, {KEY_RELEASED, "keyLeftWindows"},
    };
    EXPECT_EQ(page.seen, expected);
    page.DestroyWindow();
}

TEST(LiveLowLevelHook, CapsLockLampFollowsOnePressAndTheKeyReachesTheSystem) {
    CLowLevelPage page;
    ASSERT_TRUE(page.Create(IDD_LIVE, nullptr));
    const bool before = page.handler.isCapsLockOn();
    EXPECT_EQ(before, (::GetKeyState(VK_CAPITAL) & 1) != 0);
    tap(VK_CAPITAL, 0x3A);
    EXPECT_NE(page.handler.isCapsLockOn(), before);
    // Not swallowed: the system's own lamp state moved too.
    EXPECT_EQ(page.handler.isCapsLockOn(), (::GetKeyState(VK_CAPITAL) & 1) != 0);
    tap(VK_CAPITAL, 0x3A);
    EXPECT_EQ(page.handler.isCapsLockOn(), before);
    page.DestroyWindow();
}

TEST(LiveThreadHook, KeysForTheFocusedDialogAreClassifiedByTheirKeystrokeWord) {
    CThreadPage page;
    ASSERT_TRUE(page.Create(IDD_LIVE, nullptr));
    ::SetForegroundWindow(page.m_hWnd);
    page.SetFocus();
    pumpFor(100);
    hold('A', 0x1E);
    tap(VK_RETURN, 0x1C, KEYEVENTF_EXTENDEDKEY);
    tap(VK_RCONTROL, 0x1D, KEYEVENTF_EXTENDEDKEY);
    const std::vector<Seen> expected{
        {KEY_PRESSED, "30"}, {KEY_REPEATED, "30"}, {KEY_RELEASED, "30"},
        {KEY_PRESSED, "284"}, {KEY_RELEASED, "284"},
        {KEY_PRESSED, "285"}, {KEY_RELEASED, "285"},
    };
    EXPECT_EQ(page.seen, expected);
    page.DestroyWindow();
}

TEST(LiveLowLevelHook, NoTargetAfterUninstall) {
    CLowLevelPage page;
    ASSERT_TRUE(page.Create(IDD_LIVE, nullptr));
    KeyboardHook::uninstall();
    tap('B', 0x30);
    EXPECT_TRUE(page.seen.empty());
    page.DestroyWindow();
}

}  // namespace
