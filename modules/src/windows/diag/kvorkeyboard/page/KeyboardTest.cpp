#include "page/KeyboardTest.h"

namespace {

// Sent by a test to itself; lParam points to the exception to throw.
constexpr UINT WM_KEYBOARD_HOOK_FAILED = WM_APP + 0x20;

}  // namespace

CKeyboardTest::CKeyboardTest(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

BEGIN_MESSAGE_MAP(CKeyboardTest, CDialog)
    ON_MESSAGE(WM_KEYBOARD_HOOK_FAILED, &CKeyboardTest::onKeyboardHookFailed)
END_MESSAGE_MAP()

// Thrown again inside this window's procedure, the exception is kept like any
// handler's: the modal loop that runs the test ends, and its DoModal throws
// it to the run (afx/Dialog.h).
void CKeyboardTest::keyboardHookFailed(std::exception_ptr failure) noexcept {
    SendMessage(WM_KEYBOARD_HOOK_FAILED, 0, reinterpret_cast<LPARAM>(&failure));
    // The hook runs inside the loop's wait for a message: wake it.
    PostMessage(WM_NULL);
}

LRESULT CKeyboardTest::onKeyboardHookFailed(WPARAM, LPARAM failure) {
    std::rethrow_exception(*reinterpret_cast<const std::exception_ptr*>(failure));
}

void CKeyboardTest::PreSubclassWindow() {
    CWnd::PreSubclassWindow();
    KVOLangExt::PreSubclassWindow(this);
}

void CKeyboardTest::postToFrame(UINT message, BOOL argument) {
    CWnd* area = GetParent();
    CWnd* frame = area ? area->GetParent() : nullptr;
    if (frame) frame->PostMessage(message, static_cast<WPARAM>(argument), 0);
}

void CKeyboardTest::endTest(kvorkeyboard::KeystrokeAction shortcut) {
    switch (shortcut) {
        case kvorkeyboard::SHORTCUT_PASS:
            pass();
            break;
        case kvorkeyboard::SHORTCUT_FAIL:
            fail();
            break;
        case kvorkeyboard::SHORTCUT_ABORT:
            OnCancel();
            break;
        default:
            break;
    }
}

void CKeyboardTest::OnCancel() { postToFrame(WM_TEST_ABORT, FALSE); }
void CKeyboardTest::pass() { postToFrame(WM_TEST_PASS, FALSE); }
void CKeyboardTest::enablePassButton(BOOL enable) { postToFrame(WM_TEST_ENABLE_PASS, enable); }
void CKeyboardTest::fail() { postToFrame(WM_TEST_FAIL, FALSE); }
void CKeyboardTest::showStartButton(BOOL show) { postToFrame(WM_TEST_SHOW_START, show); }
void CKeyboardTest::focusInstructions() { postToFrame(WM_TEST_FOCUS_INSTRUCTIONS, FALSE); }
