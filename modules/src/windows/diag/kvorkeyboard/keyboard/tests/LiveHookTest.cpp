// The real hooks under Wine: a test dialog installs one, synthesised keys go
// through Windows' hook dispatch to keyboardHookHandler and its handler.
// Wine gives low-level events no Alt flag, so shortcuts stay with the unit
// tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keyboard/testing/CapturePage.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::CapturedKey;
using kvorkeyboard::testing::pumpMessagesFor;

namespace {

constexpr UINT IDD_LIVE = 300;

// Keeps the keys this test synthesised; the display's own keys are none of its business.
struct CLowLevelPage : kvorkeyboard::testing::CLowLevelCapturePage {
    CLowLevelPage() : CLowLevelCapturePage(IDD_LIVE) {
        onKey = [this](const CapturedKey& k) { seen.push_back(k); };
    }
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override {
        if (!(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->flags & LLKHF_INJECTED)) return 0;
        return CLowLevelCapturePage::keyboardHookHandler(wParam, lParam);
    }
    std::vector<CapturedKey> seen;
};

struct CThreadPage : kvorkeyboard::testing::CThreadCapturePage {
    CThreadPage() : CThreadCapturePage(IDD_LIVE) {
        onKey = [this](const CapturedKey& k) { seen.push_back(k); };
    }
    std::vector<CapturedKey> seen;
};

void send(BYTE vk, BYTE scan, DWORD flags) {
    ::keybd_event(vk, scan, flags, 0);
    pumpMessagesFor(60);
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
    const std::vector<CapturedKey> expected{
        {KEY_PRESSED, 0x1E, "a"}, {KEY_REPEATED, 0x1E, "a"}, {KEY_RELEASED, 0x1E, "a"},
        {KEY_PRESSED, 0x1C, "keyEnter"}, {KEY_RELEASED, 0x1C, "keyEnter"},
        {KEY_PRESSED, 0x1C, "keyNumEnter"}, {KEY_RELEASED, 0x1C, "keyNumEnter"},
        {KEY_PRESSED, 0x1D, "keyLeftCtrl"}, {KEY_REPEATED, 0x1D, "keyRightCtrl"},
        {KEY_RELEASED, 0x1D, "keyRightCtrl"}, {KEY_IGNORED, 0x1D, "keyLeftCtrl"},
        {KEY_PRESSED, 0x5B, "keyLeftWindows"}, {KEY_RELEASED, 0x5B, "keyLeftWindows"},
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
    pumpMessagesFor(100);
    hold('A', 0x1E);
    tap(VK_RETURN, 0x1C, KEYEVENTF_EXTENDEDKEY);
    // Only the left one: Wine maps scan 0x11D back to the left Ctrl key.
    tap(VK_LCONTROL, 0x1D);
    const std::vector<CapturedKey> expected{
        {KEY_PRESSED, 0x1E, "a"}, {KEY_REPEATED, 0x1E, "a"}, {KEY_RELEASED, 0x1E, "a"},
        {KEY_PRESSED, 0x11C, "keyNumEnter"}, {KEY_RELEASED, 0x11C, "keyNumEnter"},
        {KEY_PRESSED, 0x1D, "keyLeftCtrl"}, {KEY_RELEASED, 0x1D, "keyLeftCtrl"},
    };
    EXPECT_EQ(page.seen, expected);
    page.DestroyWindow();
}

}  // namespace
