#pragma once
// The keyboard layout test: a page inside the frame that shows the picture of
// the chosen keyboard and hides each key as it is pressed. Keystrokes come
// through the thread's message hook and are all swallowed; from the keyboard
// the operator can also end the test, restart the picture (Alt+S) and steer
// the keyboard-type list (Alt+Up or Alt+Down, the arrows, Enter).
#include <cstdint>

#include "afx/Controls.h"
#include "afx/Gdi.h"
#include "page/KeyboardTest.h"
#include "keyboard/HookKeyboardHandler.h"
#include "kvo/Array.h"
#include "layout/LoadedLayouts.h"
#include "layout/logic/LayoutKeyDecisions.h"
#include "timer/AutoTimer.h"

// Posted by the page to itself, so that the list changes after the hook call.
constexpr UINT WM_LAYOUT_SELECT_PREVIOUS = WM_APP + 0x31;
constexpr UINT WM_LAYOUT_SELECT_NEXT = WM_APP + 0x32;
constexpr UINT WM_LAYOUT_SELECT_COMMIT = WM_APP + 0x33;

// The keys of the shown picture not pressed yet. Process-wide, like the input
// state: a new page starts with what the last one left until it loads a picture.
extern kvo::Array<HWND> g_discoveredKeys;
extern kvorkeyboard::LayoutInputState g_layoutInput;

class CKeyboardLayoutTest : public CKeyboardTest {
    DECLARE_DYNCREATE(CKeyboardLayoutTest)

public:
    explicit CKeyboardLayoutTest(CWnd* pParent = nullptr);
    ~CKeyboardLayoutTest() override;

    BOOL OnInitDialog() override;
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override;
    void fail() override;
    kvo::String getInstructions() override;
    kvo::String getSubInstruction1() override;
    kvo::String getSubInstruction2() override;

    void MarkKeyPressed(std::uint16_t keyId);
    void LoadLayoutLibraries();
    void LoadLayout(kvorkeyboard::LayoutEntry layout);
    void ReloadLayout();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    void OnClose();
    void OnKeyboardTypeChanged();
    LRESULT OnSelectPreviousType(WPARAM, LPARAM);
    LRESULT OnSelectNextType(WPARAM, LPARAM);
    LRESULT OnCommitKeyboardType(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyAsianUiFont();
    void fitTypeLabel();
    void react(kvorkeyboard::LayoutReaction reaction, kvorkeyboard::KeystrokeAction action, std::uint16_t key);
    void selectNeighbourType(std::int32_t step);

    kvorkeyboard::LayoutSystem& m_system;
    CComboBox m_cbKeyboardType;
    BOOL m_bSuppressStartupCtrl = FALSE;
    DWORD m_dwInitTicks = 0;
    CAutoTimer m_timer;
    int m_nCurSel = 0;
    kvo::String m_strCurrentLayout;
    HINSTANCE m_hCurrentLayout = nullptr;
    kvorkeyboard::LoadedLayouts m_layouts;
    kvorkeyboard::PictureWindow m_layoutWindow;
    bool m_bEnablePassAfterAllPressed = false;
    NONCLIENTMETRICSW m_ncm{};
    CFont m_font;
    kvorkeyboard::HookKeyboardHandler m_keyboardHandler;
    kvorkeyboard::ShortcutSwitches m_shortcuts;
};
