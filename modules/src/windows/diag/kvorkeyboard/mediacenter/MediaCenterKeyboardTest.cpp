#include "mediacenter/MediaCenterKeyboardTest.h"

#include "page/logic/ButtonRow.h"
#include "evidence/RunEvidence.h"
#include "registration/LocalizedStrings.h"
#include "registration/ModuleRegistration.h"
#include "kvo/OperatingSystem.h"
#include "res/MediaCenterKeyboardTestRes.h"

using kvorkeyboard::TextId;
using kvorkeyboard::localizedText;

namespace {

kvo::LoggerRef g_log("kvorkeyboard.CMediaCenterKeyboardTest");

constexpr int kFailEventCode = 277;
constexpr float kKeyFontSize = 24.0f;

kvorkeyboard::ButtonBox boxOf(const CWnd& dialog, const CWnd& button) {
    RECT rect;
    button.GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

CMediaCenterKeyboardTest::CMediaCenterKeyboardTest(CWnd* pParent, kvorkeyboard::KeyboardInput& keyboard)
    : CKeyboardTest(IDD_MEDIA_CENTER_KEYBOARD_TEST, pParent),
      m_keyboardHandler(keyboard),
      m_result(vemo5::TestResult::INTERNALERROR()) {}

// The hook must not outlive the object it calls, even when the window was
// never created or its destruction was cut short.
CMediaCenterKeyboardTest::~CMediaCenterKeyboardTest() { removeKeyboardHook(); }

BEGIN_MESSAGE_MAP(CMediaCenterKeyboardTest, CKeyboardTest)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_PASS, &CMediaCenterKeyboardTest::pass)
    ON_BN_CLICKED(IDC_FAIL, &CMediaCenterKeyboardTest::fail)
    ON_BN_CLICKED(IDC_ABORT, &CMediaCenterKeyboardTest::OnCancel)
END_MESSAGE_MAP()

void CMediaCenterKeyboardTest::DoDataExchange(CDataExchange* pDX) {
    CKeyboardTest::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KEY_PRESSED, m_keyPressControl);
    DDX_Control(pDX, IDC_PASS, m_btnPass);
    DDX_Control(pDX, IDC_FAIL, m_btnFail);
    DDX_Control(pDX, IDC_ABORT, m_btnCancel);
    DDX_Control(pDX, IDC_INSTRUCTIONS, m_editInstructions);
}

BOOL CMediaCenterKeyboardTest::OnInitDialog() {
    constexpr int kInitTraceLine = 229;
    KVO_TRACE_SCOPE(g_log, "CMediaCenterKeyboardTest::OnInitDialog", "CMediaCenterKeyboardTest", kInitTraceLine);
    CKeyboardTest::OnInitDialog();

    SetWindowText(kvorkeyboard::g_pMediaCenterKeyboardTest->localizedName().kvoString());
    GetDlgItem(IDC_KEY_PRESSED_GROUP)->SetWindowText(localizedText(TextId::msgKeyPressed));
    // The shortcuts work here whatever the parameters say, so no label
    // promises or denies one.
    m_btnPass.SetWindowText(localizedText(TextId::msgPassNoShortcut));
    m_btnFail.SetWindowText(localizedText(TextId::msgFailNoShortcut));
    m_btnCancel.SetWindowText(localizedText(TextId::msgAbortNoShortcut));
    ArrangeButtons();

    GetDlgItem(IDC_INSTRUCTIONS_GROUP)->SetWindowText(localizedText(TextId::msgInstructions));
    m_editInstructions.SetWindowText(getInstructions() + "\r\n" + getSubInstruction1() + "\r\n" +
                                     getSubInstruction2());

    m_keyPressControl.setBackgroundColor(::GetSysColor(COLOR_BTNFACE));
    m_keyPressControl.setFontSize(kKeyFontSize);
    m_keyPressControl.setText(localizedText(TextId::msgAnyKey), false);

    installKeyboardHook(false);
    return TRUE;
}

void CMediaCenterKeyboardTest::OnDestroy() {
    removeKeyboardHook();
    CWnd::OnDestroy();
}

void CMediaCenterKeyboardTest::ArrangeButtons() {
    if (!kvorkeyboard::arrangesButtons(kvo::OperatingSystem::getCurrentOperatingSystem().getMajor())) return;

    CButton* const buttons[] = {&m_btnPass, &m_btnFail, &m_btnCancel};
    kvorkeyboard::ButtonRow templateRow{};
    kvorkeyboard::ButtonWidths idealWidths{};
    for (std::size_t i = 0; i < templateRow.size(); ++i) {
        templateRow[i] = boxOf(*this, *buttons[i]);
        SIZE ideal{};
        buttons[i]->GetIdealSize(&ideal);
        idealWidths[i] = ideal.cx;
    }
    const int width = kvorkeyboard::fittingWidth(templateRow, idealWidths);
    if (width == 0) return;

    const auto place = [&buttons](const kvorkeyboard::ButtonRow& row) {
        for (std::size_t i = 0; i < row.size(); ++i)
            buttons[i]->SetWindowPos(nullptr, row[i].left, row[i].top, row[i].width, row[i].height, SWP_NOZORDER);
    };
    place(kvorkeyboard::widened(templateRow, width));

    int rowWidth = 0;
    for (CButton* button : buttons) {
        RECT client;
        button->GetClientRect(&client);
        rowWidth += client.right - client.left;
    }
    RECT dialog;
    GetWindowRect(&dialog);
    place(kvorkeyboard::centred(templateRow, dialog.right - dialog.left, rowWidth));
}

LRESULT CMediaCenterKeyboardTest::keyboardHookHandler(WPARAM wParam, LPARAM lParam) {
    const kvorkeyboard::Ticks entered = kvorkeyboard::hookEntered();
    const kvorkeyboard::KeystrokeAction action = m_keyboardHandler.handleKeystroke(wParam, lParam);
    kvorkeyboard::journalKeystroke(kvorkeyboard::lowLevelHookEvent(wParam, lParam), entered,
                                   [this] { return m_keyboardHandler.getKeyText(); });
    switch (action) {
        case kvorkeyboard::KEY_PRESSED:
        case kvorkeyboard::KEY_REPEATED:
            // Repainted at once: a held key shows it is still arriving.
            m_keyPressControl.setText(m_keyboardHandler.getKeyText(), true);
            break;
        case kvorkeyboard::KEY_IGNORED:
        case kvorkeyboard::KEY_RELEASED:
            break;
        case kvorkeyboard::SHORTCUT_PASS:
        case kvorkeyboard::SHORTCUT_FAIL:
        case kvorkeyboard::SHORTCUT_ABORT:
            // Every shortcut counts here, whatever the parameters say.
            endTest(action);
            break;
        default:
            KVO_LOG(g_log, 4, "Unhandled keystroke");
            break;
    }
    return m_keyboardHandler.shouldBlockKey();
}

void CMediaCenterKeyboardTest::pass() {
    m_result = vemo5::TestResult::PASS();
    CDialog::OnOK();
}

void CMediaCenterKeyboardTest::fail() {
    m_result = vemo5::TestResult::FAIL();
    CDialog::OnCancel();
    vemo5::DiagModule::error(kvorkeyboard::g_pUserClickedFailEvent, "CMediaCenterKeyboardTest", kFailEventCode);
}

void CMediaCenterKeyboardTest::OnCancel() {
    m_result = vemo5::TestResult::USERABORTED();
    CDialog::OnCancel();
}

// The host's language is fixed for the life of the process, so each text is
// composed on first use and handed out as a copy from then on.
kvo::String CMediaCenterKeyboardTest::getInstructions() {
    static const kvo::String text =
        localizedText(TextId::msgMCInstruction1) + "\r\n\r\n" + localizedText(TextId::msgMCInstruction2);
    return text;
}

kvo::String CMediaCenterKeyboardTest::getSubInstruction1() {
    static const kvo::String text = localizedText(TextId::msgMCSubInstruction1);
    return text;
}

kvo::String CMediaCenterKeyboardTest::getSubInstruction2() {
    static const kvo::String text = localizedText(TextId::msgMCSubInstruction2);
    return text;
}
