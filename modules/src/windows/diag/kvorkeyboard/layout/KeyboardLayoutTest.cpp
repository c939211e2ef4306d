#include "KeyboardLayoutTest.h"

#include <algorithm>

#include "evidence/PictureEvidence.h"
#include "evidence/RunEvidence.h"
#include "registration/LocalizedStrings.h"
#include "registration/ModuleParameters.h"
#include "registration/ModuleRegistration.h"
#include "keyboard/HookSystem.h"
#include "kvo/Exception.h"
#include "kvo/Logging.h"
#include "layout/LayoutInstructions.h"
#include "layout/LayoutLibraryScan.h"
#include "layout/LayoutPicture.h"
#include "layout/Win32LayoutSystem.h"
#include "res/KeyboardLayoutTestRes.h"
#include "texts/EastAsianLanguages.h"
#include "vemo5/DiagModule.h"

using kvorkeyboard::hookKeyboard;
using kvorkeyboard::LayoutReaction;
using kvorkeyboard::localizedText;
using kvorkeyboard::parameterBool;
using kvorkeyboard::ParameterId;
using kvorkeyboard::TextId;

kvo::Array<HWND> g_discoveredKeys;
kvorkeyboard::LayoutInputState g_layoutInput;

IMPLEMENT_DYNCREATE(CKeyboardLayoutTest)

BEGIN_MESSAGE_MAP(CKeyboardLayoutTest, CKeyboardTest)
    ON_CBN_SELENDOK(IDC_KEYBOARD_TYPE, &CKeyboardLayoutTest::OnKeyboardTypeChanged)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_LAYOUT_SELECT_PREVIOUS, &CKeyboardLayoutTest::OnSelectPreviousType)
    ON_MESSAGE(WM_LAYOUT_SELECT_NEXT, &CKeyboardLayoutTest::OnSelectNextType)
    ON_MESSAGE(WM_LAYOUT_SELECT_COMMIT, &CKeyboardLayoutTest::OnCommitKeyboardType)
END_MESSAGE_MAP()

namespace {

kvo::LoggerRef g_log("kvorkeyboard.CKeyboardLayoutTest");

// Host events and assertions name this source and a fixed site code.
const char* const kReportSource = "CKeyboardLayoutTest";
constexpr int kLoadFailedReportCode = 264;
constexpr int kInvalidLayoutReportCode = 495;
constexpr int kFailReportCode = 410;

// The lines the timer assertions report, fixed so they name their check.
constexpr int kSetTimerAssertLine = 304;
constexpr int kTimerIdAssertLine = 323;
constexpr int kTimerEventAssertLine = 331;

const UINT_PTR kStopCheckTimer = 1;
const UINT kStopCheckMilliseconds = 1000;
const BYTE kVkDigit0 = 0x30;
const int kPaddedBorderWidthSize = sizeof(int);
// The caption font, made thin, reads better in the Asian scripts than the
// dialog font, whose bold strokes run together at this size.
const LONG kThinWeight = 100;

}  // namespace

CKeyboardLayoutTest::CKeyboardLayoutTest(CWnd* pParent)
    : CKeyboardTest(IDD_KEYBOARD_LAYOUT_TEST, pParent),
      m_system(*kvorkeyboard::layoutPageSystem()),
      m_keyboardHandler(hookKeyboard()) {
    m_shortcuts.disableAbort = parameterBool(ParameterId::bDisableAbortKeyboardShortcut);
    m_shortcuts.disablePass = parameterBool(ParameterId::bDisablePassKeyboardShortcut);
    m_shortcuts.disableFail = parameterBool(ParameterId::bDisableFailKeyboardShortcut);
    m_shortcuts.disableReset = parameterBool(ParameterId::bDisableResetKeyboardShortcut);
}

CKeyboardLayoutTest::~CKeyboardLayoutTest() { removeKeyboardHook(); }

void CKeyboardLayoutTest::DoDataExchange(CDataExchange* pDX) {
    CKeyboardTest::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KEYBOARD_TYPE, m_cbKeyboardType);
}

BOOL CKeyboardLayoutTest::OnInitDialog() {
    CKeyboardTest::OnInitDialog();
    m_dwInitTicks = GetTickCount();
    m_bSuppressStartupCtrl = TRUE;
    m_bEnablePassAfterAllPressed = parameterBool(ParameterId::bEnablePassAfterAllPressed);
    enablePassButton(!m_bEnablePassAfterAllPressed);
    ApplyAsianUiFont();
    LoadLayoutLibraries();
    const bool bSetTimer = m_timer.setTimer(m_hWnd, kStopCheckTimer, kStopCheckMilliseconds);
    KVO_ASSERT_AT(bSetTimer, kReportSource, kSetTimerAssertLine);
    installKeyboardHook(true);
    return TRUE;
}

void CKeyboardLayoutTest::ApplyAsianUiFont() {
    if (kvorkeyboard::isEastAsianLanguage(vemo5::DiagModule::getLanguage())) {
        m_ncm = NONCLIENTMETRICSW{};
        // Without its last member the structure is the size every Windows accepts.
        m_ncm.cbSize = sizeof(m_ncm) - kPaddedBorderWidthSize;
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, m_ncm.cbSize, &m_ncm, 0))
            KVO_LOG(g_log, 3, "No system metrics for the Asian font: " << GetLastError());
        m_ncm.lfCaptionFont.lfWeight = kThinWeight;
        if (m_font.CreateFontIndirect(&m_ncm.lfCaptionFont)) {
            for (int id : {IDC_KEYBOARD_TYPE_LABEL, IDC_KEYBOARD_TYPE})
                ::SendMessageW(::GetDlgItem(m_hWnd, id), WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(m_font)), TRUE);
        }
    }
    SetDlgItemText(IDC_KEYBOARD_TYPE_LABEL, localizedText(TextId::msgKeyboardType).getUCS2Buffer());
    fitTypeLabel();
}

// A translation, or the Asian font, can be wider than the template's label,
// which would then wrap out of sight: it grows to the left, since it ends
// where the list begins.
void CKeyboardLayoutTest::fitTypeLabel() {
    CWnd* label = GetDlgItem(IDC_KEYBOARD_TYPE_LABEL);
    kvo::String text;
    label->GetWindowText(text);
    CClientDC dc(label);
    const afx::ScopedSelectObject font(dc.GetSafeHdc(), reinterpret_cast<HGDIOBJ>(label->SendMessage(WM_GETFONT)));
    const CSize extent = dc.GetTextExtent(text);
    CRect place;
    label->GetWindowRect(&place);
    ScreenToClient(&place);
    if (extent.cx <= place.Width() && extent.cy <= place.Height()) return;
    const int width = std::max<int>(extent.cx, place.Width());
    const int height = std::max<int>(extent.cy, place.Height());
    if (!label->SetWindowPos(nullptr, place.right - width, place.top, width, height, SWP_NOZORDER))
        KVO_LOG(g_log, 3, "Failed to widen the keyboard type label: " << GetLastError());
}

void CKeyboardLayoutTest::LoadLayoutLibraries() {
    const kvorkeyboard::LayoutScan scan =
        kvorkeyboard::scanLayoutLibraries(m_system, kvorkeyboard::parameterText(ParameterId::LayoutsPath),
                                          kvorkeyboard::parameterText(ParameterId::szLayoutToShow), m_layouts);
    for (const kvo::String& file : scan.unmappable) {
        KVO_LOG(g_log, 3, "Layout library cannot be loaded: " << file);
        vemo5::DiagModule::warning(kvorkeyboard::g_pLayoutLoadFailedEvent, kReportSource, kLoadFailedReportCode);
    }
    for (std::uint32_t i = 0; i < m_layouts.size(); ++i) m_cbKeyboardType.AddString(m_layouts[i].first);

    m_strCurrentLayout = scan.wanted.first;
    m_hCurrentLayout = scan.wanted.second;
    // An empty name finds nothing, like a name no item carries: the first item then.
    const int found = m_strCurrentLayout.empty()
                          ? CB_ERR
                          : m_cbKeyboardType.FindStringExact(0, m_strCurrentLayout.getUCS2Buffer());
    m_nCurSel = found == CB_ERR ? 0 : found;
    m_cbKeyboardType.SetCurSel(m_nCurSel);

    if (m_hCurrentLayout == nullptr && m_layouts.size() > 0) {
        kvo::String shown;
        m_cbKeyboardType.GetLBText(m_nCurSel, shown);
        const kvorkeyboard::LayoutEntry entry = m_layouts.lastNamed(shown);
        m_strCurrentLayout = entry.first;
        m_hCurrentLayout = entry.second;
    }
    LoadLayout({m_strCurrentLayout, m_hCurrentLayout});
}

void CKeyboardLayoutTest::LoadLayout(kvorkeyboard::LayoutEntry layout) {
    m_layoutWindow = kvorkeyboard::createLayoutPicture(m_system, layout.second, ::GetDlgItem(m_hWnd, IDC_LAYOUT_AREA));
    if (!m_layoutWindow)
        vemo5::DiagModule::warning(kvorkeyboard::g_pInvalidLayoutEvent, kReportSource, kInvalidLayoutReportCode);
    ::SetForegroundWindow(m_layoutWindow.get());
    // For Korean the focus rests in the frame's read-only instructions, where
    // the input method has nothing to compose into.
    if (vemo5::DiagModule::getLanguage() == vemo5::Language::ko()) focusInstructions();
    HWND fnInstructions = m_system.dialogItem(m_layoutWindow.get(), kvorkeyboard::IDC_FN_KEY_INSTRUCTIONS);
    // The page itself is still hidden while it initialises: the control's own style decides.
    if (fnInstructions != nullptr && (::GetWindowLongW(fnInstructions, GWL_STYLE) & WS_VISIBLE) != 0)
        ::SetWindowTextW(fnInstructions, localizedText(TextId::msgFnInstructions).getUCS2Buffer());

    if (!m_bEnablePassAfterAllPressed) return;
    enablePassButton(FALSE);
    kvorkeyboard::discoverKeys(m_system, m_layoutWindow.get(), g_discoveredKeys);
}

void CKeyboardLayoutTest::ReloadLayout() {
    m_layoutWindow.reset();
    LoadLayout({m_strCurrentLayout, m_hCurrentLayout});
}

LRESULT CKeyboardLayoutTest::keyboardHookHandler(WPARAM wParam, LPARAM lParam) {
    const kvorkeyboard::Ticks entered = kvorkeyboard::hookEntered();
    KVO_LOG(g_log, 1, "Within CKeyboardLayoutTest's keyboard hook handler...");
    // The skipped call is the page's own injected release, no key the operator touched.
    if (kvorkeyboard::skipsKeystroke(g_layoutInput)) return 1;
    const kvorkeyboard::KeystrokeAction action = m_keyboardHandler.handleKeystroke(wParam, lParam);
    kvorkeyboard::journalKeystroke(kvorkeyboard::messageHookEvent(lParam), entered,
                                   [this] { return m_keyboardHandler.currentKey().name; });
    const std::uint16_t key = m_keyboardHandler.getScanCode();
    react(kvorkeyboard::decideLayoutKeystroke(
              g_layoutInput, {action, key, m_keyboardHandler.isKeyDown(), m_keyboardHandler.isAltDown()}, m_shortcuts),
          action, key);
    return 1;
}

void CKeyboardLayoutTest::react(LayoutReaction reaction, kvorkeyboard::KeystrokeAction action, std::uint16_t key) {
    switch (reaction) {
    case LayoutReaction::None:
        break;
    case LayoutReaction::EndTest:
        endTest(action);
        break;
    case LayoutReaction::ReleaseWindowsKey:
        // Released at once, so the Start menu does not open; the release
        // comes back through the hook as the next call, which is skipped.
        hookKeyboard().sendKeyEvent(kVkDigit0, 0, KEYEVENTF_KEYUP);
        break;
    case LayoutReaction::Mark:
        MarkKeyPressed(key);
        break;
    case LayoutReaction::Reload:
        ReloadLayout();
        break;
    case LayoutReaction::OpenTypeList:
        m_cbKeyboardType.SetFocus();
        m_cbKeyboardType.SendMessage(CB_SHOWDROPDOWN, TRUE);
        break;
    case LayoutReaction::SelectPreviousType:
        PostMessage(WM_LAYOUT_SELECT_PREVIOUS);
        break;
    case LayoutReaction::SelectNextType:
        PostMessage(WM_LAYOUT_SELECT_NEXT);
        break;
    case LayoutReaction::CommitType:
        PostMessage(WM_LAYOUT_SELECT_COMMIT);
        break;
    case LayoutReaction::InvalidInputMode:
        KVO_LOG(g_log, 4, "Invalid InputMode");
        break;
    }
}

void CKeyboardLayoutTest::MarkKeyPressed(std::uint16_t keyId) {
    HWND key = m_system.dialogItem(m_layoutWindow.get(), keyId);
    if (!::IsWindowVisible(key)) return;
    if (kvorkeyboard::ignoresStartupCtrl(m_system.userDefaultLanguage(), keyId, m_bSuppressStartupCtrl)) {
        m_bSuppressStartupCtrl = FALSE;
        return;
    }
    if (!m_bEnablePassAfterAllPressed) {
        enablePassButton(TRUE);
    } else if (g_discoveredKeys.indexOf(key) >= 0) {
        g_discoveredKeys.remove(key);
        if (g_discoveredKeys.size() == 0) enablePassButton(TRUE);
    }
    ::ShowWindow(key, SW_HIDE);
}

void CKeyboardLayoutTest::OnTimer(UINT_PTR nIDEvent) {
    Default();
    const UINT_PTR uiTimerId = m_timer.getTimerId();
    KVO_ASSERT_AT(uiTimerId != 0, kReportSource, kTimerIdAssertLine);
    KVO_ASSERT_AT(nIDEvent == uiTimerId, kReportSource, kTimerEventAssertLine);
    if (vemo5::DiagModule::checkForStop()) CKeyboardTest::OnCancel();
    if (m_bSuppressStartupCtrl && kvorkeyboard::startupCtrlExpired(GetTickCount(), m_dwInitTicks))
        m_bSuppressStartupCtrl = FALSE;
}

void CKeyboardLayoutTest::OnDestroy() {
    removeKeyboardHook();
    // The picture still stands while its page goes: what it shows is what the test ended with.
    kvorkeyboard::notePictureAtEnd(m_layoutWindow.get(), kvorkeyboard::pictureKeys(m_system, m_layoutWindow.get()));
    m_layoutWindow.reset();  // now: after the page it would be a window that is gone
    if (!m_timer.killTimer()) KVO_LOG(g_log, 3, "Failed to kill the stop-check timer: " << GetLastError());
    CWnd::OnDestroy();
}

// A page closed on its own lets go of the hook and the timer as if destroyed.
void CKeyboardLayoutTest::OnClose() { OnDestroy(); }

void CKeyboardLayoutTest::OnKeyboardTypeChanged() {
    const int sel = m_cbKeyboardType.GetCurSel();
    if (sel == m_nCurSel) return;
    m_nCurSel = sel;
    kvo::String chosen;
    m_cbKeyboardType.GetLBText(sel, chosen);
    m_layoutWindow.reset();
    const kvorkeyboard::LayoutEntry entry = m_layouts.lastNamed(chosen);
    if (entry.second != nullptr) {
        m_strCurrentLayout = entry.first;
        m_hCurrentLayout = entry.second;
    }
    LoadLayout({m_strCurrentLayout, m_hCurrentLayout});
}

void CKeyboardLayoutTest::selectNeighbourType(std::int32_t step) {
    const int target = kvorkeyboard::neighbourType(m_cbKeyboardType.GetCurSel(), m_cbKeyboardType.GetCount(), step);
    if (target >= 0) m_cbKeyboardType.SetCurSel(target);
}

LRESULT CKeyboardLayoutTest::OnSelectPreviousType(WPARAM, LPARAM) {
    selectNeighbourType(-1);
    return 0;
}

LRESULT CKeyboardLayoutTest::OnSelectNextType(WPARAM, LPARAM) {
    selectNeighbourType(+1);
    return 0;
}

LRESULT CKeyboardLayoutTest::OnCommitKeyboardType(WPARAM, LPARAM) {
    PostMessage(WM_COMMAND, MAKEWPARAM(IDC_KEYBOARD_TYPE, CBN_SELENDOK),
                reinterpret_cast<LPARAM>(m_cbKeyboardType.GetSafeHwnd()));
    m_cbKeyboardType.PostMessage(CB_SHOWDROPDOWN, FALSE);
    m_cbKeyboardType.PostMessage(CB_SETCURSEL, static_cast<WPARAM>(m_cbKeyboardType.GetCurSel()));
    return 0;
}

void CKeyboardLayoutTest::fail() {
    vemo5::DiagModule::error(kvorkeyboard::g_pUserClickedFailEvent, kReportSource, kFailReportCode);
    CKeyboardTest::fail();
}

kvo::String CKeyboardLayoutTest::getInstructions() { return kvorkeyboard::layoutInstructions(m_shortcuts); }

kvo::String CKeyboardLayoutTest::getSubInstruction1() { return kvorkeyboard::layoutSubInstruction1(m_shortcuts); }

kvo::String CKeyboardLayoutTest::getSubInstruction2() { return kvorkeyboard::layoutSubInstruction2(m_shortcuts); }
