#include "SimpleKeyboardTest.h"

#include <algorithm>

#include "afx/Gdi.h"
#include "evidence/RunEvidence.h"
#include "registration/LocalizedStrings.h"
#include "registration/ModuleParameters.h"
#include "keyboard/HookSystem.h"
#include "keyboard/logic/LayoutLanguage.h"
#include "kvo/Logging.h"
#include "res/SimpleKeyboardTestRes.h"
#include "simple/logic/SimpleTestDecisions.h"

using kvorkeyboard::hookKeyboard;
using kvorkeyboard::localizedText;
using kvorkeyboard::parameterBool;
using kvorkeyboard::ParameterId;
using kvorkeyboard::SimpleTestReaction;
using kvorkeyboard::TextId;

IMPLEMENT_DYNCREATE(CSimpleKeyboardTest)

BEGIN_MESSAGE_MAP(CSimpleKeyboardTest, CKeyboardTest)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

kvo::LoggerRef g_log("kvorkeyboard.CSimpleKeyboardTest");

const float kCurrentKeyFontSize = 24.0f;

// The controls a simple UI leaves out.
const int kCodeAndTimeControls[] = {IDC_KEYSTROKE_INFO_GROUP, IDC_VK_CODE_LABEL, IDC_SCAN_CODE_LABEL,
                                    IDC_DEPRESSED_TIME_LABEL, IDC_VK_CODE,       IDC_SCAN_CODE,
                                    IDC_DEPRESSED_TIME};

const struct {
    int controlId;
    const char* failure;
} kLabels[] = {
    {IDC_NUM_LOCK_LABEL, "Failed to resize NumLock LED label!"},
    {IDC_CAPS_LOCK_LABEL, "Failed to resize CapsLock LED label!"},
    {IDC_SCROLL_LOCK_LABEL, "Failed to resize ScrollLock LED label!"},
    {IDC_VK_CODE_LABEL, "Failed to resize VkCode label!"},
    {IDC_SCAN_CODE_LABEL, "Failed to resize ScanCode label!"},
    {IDC_DEPRESSED_TIME_LABEL, "Failed to resize ElapsedTime label!"},
};

const int kCompanions[] = {IDC_NUM_LOCK_OFF,    IDC_NUM_LOCK_ON, IDC_CAPS_LOCK_OFF, IDC_CAPS_LOCK_ON, IDC_SCROLL_LOCK_OFF,
                           IDC_SCROLL_LOCK_ON, IDC_VK_CODE,     IDC_SCAN_CODE,     IDC_DEPRESSED_TIME};

bool inDefaultNameMode(bool forceDefault) {
    if (forceDefault) return true;
    const auto layout = reinterpret_cast<std::uintptr_t>(hookKeyboard().getKeyboardLayout(0));
    return parameterBool(ParameterId::bForceKeyPressDefaultExceptEnglish) &&
           !kvorkeyboard::LayoutLanguage::fromLayout(layout).isUsEnglish();
}

CRect rectInParent(CWnd* control) {
    CRect rect;
    control->GetWindowRect(&rect);
    control->GetParent()->ScreenToClient(&rect);
    return rect;
}

}  // namespace

CSimpleKeyboardTest::CSimpleKeyboardTest(CWnd* pParent)
    : CKeyboardTest(IDD_SIMPLE_KEYBOARD_TEST, pParent),
      m_sImagesPath(kvorkeyboard::parameterText(ParameterId::ImagesPath)),
      m_keyboardHandler(hookKeyboard()),
      m_bUseSimpleUi(parameterBool(ParameterId::bUseSimpleUi)),
      m_bAbortShortcutDisabled(parameterBool(ParameterId::bDisableAbortKeyboardShortcut)),
      m_bPassShortcutDisabled(parameterBool(ParameterId::bDisablePassKeyboardShortcut)),
      m_bFailShortcutDisabled(parameterBool(ParameterId::bDisableFailKeyboardShortcut)),
      m_bForceKeyPressDefault(parameterBool(ParameterId::bForceKeyPressDefault)) {
    KVO_LOG(g_log, 1, "Global Parameter ImagesPath: " << m_sImagesPath);
}

CSimpleKeyboardTest::~CSimpleKeyboardTest() { removeKeyboardHook(); }

void CSimpleKeyboardTest::DoDataExchange(CDataExchange* pDX) {
    CKeyboardTest::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NUM_LOCK_OFF, m_numLockOff);
    DDX_Control(pDX, IDC_NUM_LOCK_ON, m_numLockOn);
    DDX_Control(pDX, IDC_CAPS_LOCK_OFF, m_capsLockOff);
    DDX_Control(pDX, IDC_CAPS_LOCK_ON, m_capsLockOn);
    DDX_Control(pDX, IDC_SCROLL_LOCK_OFF, m_scrollLockOff);
    DDX_Control(pDX, IDC_SCROLL_LOCK_ON, m_scrollLockOn);
    DDX_Control(pDX, IDC_CURRENT_KEY, m_currentKey);
    DDX_Control(pDX, IDC_HISTORY, m_history);
    DDX_Control(pDX, IDC_VK_CODE_LABEL, m_vkCodeLabel);
    DDX_Control(pDX, IDC_SCAN_CODE_LABEL, m_scanCodeLabel);
    DDX_Control(pDX, IDC_DEPRESSED_TIME_LABEL, m_depressedTimeLabel);
    DDX_Control(pDX, IDC_VK_CODE, m_vkCode);
    DDX_Control(pDX, IDC_SCAN_CODE, m_scanCode);
    DDX_Control(pDX, IDC_DEPRESSED_TIME, m_depressedTime);
}

BOOL CSimpleKeyboardTest::OnInitDialog() {
    CKeyboardTest::OnInitDialog();
    showStartButton(FALSE);
    m_bPassEnabled = false;
    enablePassButton(FALSE);

    // The results are not looked at: a missing picture leaves its place empty.
    for (PngControl* off : {&m_numLockOff, &m_capsLockOff, &m_scrollLockOff})
        (void)off->SetImage(m_sImagesPath + "\\led_off.png", false);
    for (PngControl* on : {&m_numLockOn, &m_capsLockOn, &m_scrollLockOn})
        (void)on->SetImage(m_sImagesPath + "\\led_on.png", false);
    showLamps();

    // An edit box takes only 32,767 characters by appending; a long session's history is longer.
    m_history.SetLimitText(0);
    m_currentKey.setBackgroundColor(GetSysColor(COLOR_BTNFACE));
    m_currentKey.setFontSize(kCurrentKeyFontSize);
    setLocalizedTexts();
    arrangeLabels();
    if (m_bUseSimpleUi)
        for (int id : kCodeAndTimeControls) GetDlgItem(id)->ShowWindow(SW_HIDE);

    installKeyboardHook(false);
    return TRUE;
}

void CSimpleKeyboardTest::showLamps() {
    const struct {
        PngControl& off;
        PngControl& on;
        bool lit;
    } lamps[] = {
        {m_numLockOff, m_numLockOn, m_keyboardHandler.isNumLockOn()},
        {m_capsLockOff, m_capsLockOn, m_keyboardHandler.isCapsLockOn()},
        {m_scrollLockOff, m_scrollLockOn, m_keyboardHandler.isScrollLockOn()},
    };
    for (const auto& lamp : lamps) {
        lamp.on.ShowWindow(lamp.lit ? SW_SHOW : SW_HIDE);
        lamp.off.ShowWindow(lamp.lit ? SW_HIDE : SW_SHOW);
    }
}

void CSimpleKeyboardTest::setLocalizedTexts() {
    static const struct {
        int controlId;
        TextId text;
    } texts[] = {
        {IDC_HISTORY_GROUP, TextId::msgHistory},
        {IDC_CURRENT_KEY_GROUP, TextId::msgCurrentKey},
        {IDC_LED_GROUP, TextId::msgLed},
        {IDC_NUM_LOCK_LABEL, TextId::msgNumLock},
        {IDC_CAPS_LOCK_LABEL, TextId::msgCapsLock},
        {IDC_SCROLL_LOCK_LABEL, TextId::msgScrollLock},
        {IDC_KEYSTROKE_INFO_GROUP, TextId::msgKeystrokeInformation},
        {IDC_VK_CODE_LABEL, TextId::msgVkCode},
        {IDC_SCAN_CODE_LABEL, TextId::msgScanCode},
        {IDC_DEPRESSED_TIME_LABEL, TextId::msgDepressedTime},
    };
    for (const auto& text : texts) SetDlgItemText(text.controlId, localizedText(text.text).getUCS2Buffer());
}

LRESULT CSimpleKeyboardTest::keyboardHookHandler(WPARAM wParam, LPARAM lParam) {
    const kvorkeyboard::Ticks entered = kvorkeyboard::hookEntered();
    KVO_LOG(g_log, 1, "Within CSimpleKeyboardTest's keyboard hook handler...");
    const kvorkeyboard::KeystrokeAction action = m_keyboardHandler.handleKeystroke(wParam, lParam);
    kvorkeyboard::journalKeystroke(kvorkeyboard::lowLevelHookEvent(wParam, lParam), entered,
                                   [this] { return m_keyboardHandler.getKeyText(); });
    switch (kvorkeyboard::reactionTo(action, {m_bPassEnabled, m_bPassShortcutDisabled, m_bFailShortcutDisabled,
                                              m_bAbortShortcutDisabled})) {
        case SimpleTestReaction::ShowNewPress:
            onKeystroke(true);
            break;
        case SimpleTestReaction::ShowRepeat:
            onKeystroke(false);
            break;
        case SimpleTestReaction::ShowReleaseTime:
            (void)showDepressedTime();
            break;
        case SimpleTestReaction::EndTest:
            endTest(action);
            break;
        case SimpleTestReaction::Nothing:
            break;
        case SimpleTestReaction::Unhandled:
            KVO_LOG(g_log, 1, "Unhandled keystroke");
            break;
    }
    return m_keyboardHandler.shouldBlockKey();
}

void CSimpleKeyboardTest::onKeystroke(bool newPress) {
    const kvo::String keyName = m_keyboardHandler.getKeyText();
    if (newPress) {
        if (inDefaultNameMode(m_bForceKeyPressDefault))
            m_currentKey.setTextColor(kvorkeyboard::nextDefaultNameColour());
        m_currentKey.setText(keyName, true);
    }
    // Only the new part goes to the box: setting the whole text again re-lays
    // out every line, a cost that grows with the history on each key.
    const int shown = static_cast<int>(m_sHistory.size());
    kvorkeyboard::appendToHistory(m_sHistory, keyName, newPress);
    if (!m_sHistory.empty()) {
        m_history.SetSel(shown, shown);
        m_history.ReplaceSel(m_sHistory.getUCS2Buffer() + shown);
        m_history.LineScroll(m_history.GetLineCount());
    }
    showLamps();
    m_vkCode.SetWindowText(kvorkeyboard::keyCodeText(m_keyboardHandler.getVkCode()));
    m_scanCode.SetWindowText(kvorkeyboard::keyCodeText(m_keyboardHandler.getScanCode()));
    (void)showDepressedTime();
    m_bPassEnabled = true;
    enablePassButton(TRUE);
}

bool CSimpleKeyboardTest::showDepressedTime() {
    m_depressedTime.SetWindowText(kvorkeyboard::depressedTimeText(m_keyboardHandler.getDepressedTime()));
    return resizeControlToFitText(&m_depressedTime);
}

bool CSimpleKeyboardTest::resizeControlToFitText(CWnd* cWndControl) {
    KVO_LOG(g_log, 1, "Enter CSimpleKeyboardTest::resizeControlToFitText(CWnd *cWndControl)");
    if (!cWndControl) return false;
    kvo::String text;
    cWndControl->GetWindowText(text);
    if (text.empty()) return false;

    CClientDC dc(cWndControl);
    const afx::ScopedSelectObject font(dc.GetSafeHdc(),
                                       reinterpret_cast<HGDIOBJ>(cWndControl->SendMessage(WM_GETFONT)));
    CSize extent = dc.GetTextExtent(text);
    dc.LPtoDP(&extent);
    const CRect place = rectInParent(cWndControl);
    KVO_LOG(g_log, 1,
            "Control text size (in device units, which were converted from logical units) (cx,cy): "
                << extent.cx << "," << extent.cy << ")");
    KVO_LOG(g_log, 1,
            "Control window size (in client screen coordinates) (width,height): " << place.Width() << ","
                                                                                   << place.Height());
    if (extent.cx <= place.Width()) return true;

    KVO_LOG(g_log, 1, "Increasing control size.");
    if (!cWndControl->SetWindowPos(nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER)) {
        KVO_LOG(g_log, 3, "Failed to resize control!");
        KVO_LOG(g_log, 1, "Windows error: " << GetLastError());
        return false;
    }
    return true;
}

void CSimpleKeyboardTest::arrangeLabels() {
    for (const auto& label : kLabels)
        if (!resizeControlToFitText(GetDlgItem(label.controlId))) KVO_LOG(g_log, 3, label.failure);

    LONG largest = 0;
    int index = 0;
    for (const auto& label : kLabels) {
        const CRect place = rectInParent(GetDlgItem(label.controlId));
        KVO_LOG(g_log, 1,
                "control[" << index++ << "] (top,bottom) (left,right): (" << place.top << "," << place.bottom
                           << ") (" << place.left << "," << place.right << ")");
        largest = std::max(largest, place.right);
    }
    if (largest <= 0) return;
    KVO_LOG(g_log, 1, "nLargest == " << largest);

    for (int id : kCompanions) {
        CWnd* companion = GetDlgItem(id);
        const CRect place = rectInParent(companion);
        if (!companion->SetWindowPos(nullptr, largest + 1, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER)) {
            KVO_LOG(g_log, 3, "Failed to move companion control!");
            KVO_LOG(g_log, 1, "Windows error: " << GetLastError());
        }
    }
}

void CSimpleKeyboardTest::OnDestroy() {
    removeKeyboardHook();
    CWnd::OnDestroy();
}

kvo::String CSimpleKeyboardTest::getInstructions() {
    // Composed once, in the language of the first run, for the process's life.
    static const kvo::String instructions =
        localizedText(m_bAbortShortcutDisabled ? TextId::msgInstructionNoShortcut1 : TextId::msgInstruction1) +
        "\r\n\r\n" + localizedText(TextId::msgInstruction2) + "\r\n\r\n" +
        localizedText(TextId::instructionNotAnEditor);
    return instructions;
}

kvo::String CSimpleKeyboardTest::getSubInstruction1() {
    return localizedText(m_bFailShortcutDisabled ? TextId::msgInstructionNoShortcut3 : TextId::msgInstruction3);
}

kvo::String CSimpleKeyboardTest::getSubInstruction2() {
    return localizedText(m_bFailShortcutDisabled ? TextId::msgInstructionNoShortcut4 : TextId::msgInstruction4);
}
