#pragma once
// The simple keyboard test: a page inside the frame that shows everything
// about the latest keystroke (name in large type, codes, held time, the lock
// lamps) and a history of the keys seen. Keystrokes come through the global
// low-level hook, so other programs do not see them while the test runs.
#include "KvoControls/KVOControls.h"
#include "KvoControls/PngControl.h"
#include "afx/Controls.h"
#include "page/KeyboardTest.h"
#include "keyboard/LLHookKeyboardHandler.h"
#include "keypress/KeyPressControl.h"
#include "kvo/String.h"

class CSimpleKeyboardTest : public CKeyboardTest {
    DECLARE_DYNCREATE(CSimpleKeyboardTest)

public:
    explicit CSimpleKeyboardTest(CWnd* pParent = nullptr);
    ~CSimpleKeyboardTest() override;

    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override;
    kvo::String getInstructions() override;
    kvo::String getSubInstruction1() override;
    kvo::String getSubInstruction2() override;

    BOOL OnInitDialog() override;
    void onKeystroke(bool newPress);
    bool showDepressedTime();
    void setLocalizedTexts();
    // Widens the labels to their translated texts and lines the values and
    // lamps up right of the widest one.
    void arrangeLabels();
    // Widens a static control to its text; never narrows it.
    bool resizeControlToFitText(CWnd* cWndControl);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void showLamps();

    PngControl m_numLockOff;
    PngControl m_numLockOn;
    PngControl m_capsLockOff;
    PngControl m_capsLockOn;
    PngControl m_scrollLockOff;
    PngControl m_scrollLockOn;
    KeyPressControl m_currentKey;
    KVOEdit m_history;
    CStatic m_vkCode;
    CStatic m_scanCode;
    CStatic m_depressedTime;
    CStatic m_vkCodeLabel;
    CStatic m_scanCodeLabel;
    CStatic m_depressedTimeLabel;
    kvo::String m_sHistory;
    kvo::String m_sImagesPath;
    kvorkeyboard::LLHookKeyboardHandler m_keyboardHandler;
    bool m_bUseSimpleUi;
    bool m_bPassEnabled = false;
    bool m_bAbortShortcutDisabled;
    bool m_bPassShortcutDisabled;
    bool m_bFailShortcutDisabled;
    bool m_bForceKeyPressDefault;
};
