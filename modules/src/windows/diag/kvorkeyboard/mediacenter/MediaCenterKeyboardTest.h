#pragma once
// The media-centre keyboard test: a stand-alone modal dialog that shows, in
// large type, the name of the key that arrived last. Nothing is counted; the
// operator judges by eye. With no frame above it, it keeps its own verdict
// and ends itself; the shortcut parameters belong to the hosted tests, so
// Alt+P, Alt+F and Alt+X always act here.
#include "KvoControls/KVOControls.h"
#include "page/KeyboardTest.h"
#include "keyboard/LLHookKeyboardHandler.h"
#include "keypress/KeyPressControl.h"
#include "vemo5/Types.h"

class CMediaCenterKeyboardTest : public CKeyboardTest {
public:
    explicit CMediaCenterKeyboardTest(CWnd* pParent,
                                      kvorkeyboard::KeyboardInput& keyboard = kvorkeyboard::systemKeyboard());
    ~CMediaCenterKeyboardTest() override;

    vemo5::TestResult getResult() const { return m_result; }

    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override;
    void pass() override;
    void fail() override;
    void OnCancel() override;
    kvo::String getInstructions() override;
    kvo::String getSubInstruction1() override;
    kvo::String getSubInstruction2() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnDestroy();
    // Fits translated texts into the buttons and centres the row.
    void ArrangeButtons();

    DECLARE_MESSAGE_MAP()

private:
    kvorkeyboard::LLHookKeyboardHandler m_keyboardHandler;
    KeyPressControl m_keyPressControl;
    vemo5::TestResult m_result;
    KVOButton m_btnPass;
    KVOButton m_btnFail;
    KVOButton m_btnCancel;
    KVOEdit m_editInstructions;
};
