#pragma once
// The base of every keyboard test dialog. A hosted test never ends itself:
// it asks its frame (the parent of the control it lives in) by posting a
// request, so that nothing re-enters the frame from inside a hook call.
#include "KvoControls/KVOLangExt.h"
#include "afx/Dialog.h"
#include "page/FrameMessages.h"
#include "keyboard/KeyboardHook.h"
#include "keyboard/logic/KeystrokeAction.h"
#include "kvo/String.h"

class CKeyboardTest : public CDialog, public KVOLangExt, public kvorkeyboard::KeyboardHookTarget {
public:
    CKeyboardTest(UINT nIDTemplate, CWnd* pParent);
    ~CKeyboardTest() override = default;
    CKeyboardTest(const CKeyboardTest&) = delete;
    CKeyboardTest& operator=(const CKeyboardTest&) = delete;

    void PreSubclassWindow() override;
    // Esc and IDCANCEL ask the frame to abort; the page itself stays.
    void OnCancel() override;

    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override = 0;
    // Ends the test as if the failure had been thrown by one of this
    // dialog's message handlers: the run gets the exception.
    void keyboardHookFailed(std::exception_ptr failure) noexcept override;
    virtual void pass();
    virtual void enablePassButton(BOOL enable);
    virtual void fail();
    virtual void showStartButton(BOOL show);
    // Asks the frame to put the focus in its read-only instructions.
    void focusInstructions();
    virtual kvo::String getInstructions() = 0;
    virtual kvo::String getSubInstruction1() = 0;
    virtual kvo::String getSubInstruction2() = 0;

protected:
    // Ends the test as a Pass, Fail or Abort shortcut asks, through the
    // operations a test may override; any other action asks nothing. Whether
    // the shortcut is allowed is the page's decision, taken before.
    void endTest(kvorkeyboard::KeystrokeAction shortcut);
    // Makes this test the keyboard hook's target, unless another test is.
    void installKeyboardHook(bool threadLocal) {
        m_keyboardHook = kvorkeyboard::KeyboardHook::install(*this, threadLocal);
    }
    // Removes the hook if this test installed it.
    void removeKeyboardHook() noexcept { m_keyboardHook.reset(); }

    DECLARE_MESSAGE_MAP()

private:
    // Dropped when the dialog is not hosted in a frame.
    void postToFrame(UINT message, BOOL argument);
    LRESULT onKeyboardHookFailed(WPARAM, LPARAM failure);

    kvorkeyboard::KeyboardHook m_keyboardHook;
};
