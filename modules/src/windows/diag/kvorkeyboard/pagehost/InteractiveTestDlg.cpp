#include "InteractiveTestDlg.h"

#include <commctrl.h>

#include "afx/Gdi.h"
#include "afx/WinApp.h"
#include "page/logic/ButtonRow.h"
#include "pagehost/logic/DefaultTest.h"
#include "registration/LocalizedStrings.h"
#include "registration/ModuleParameters.h"
#include "registration/ModuleRegistration.h"
#include "kvo/Logging.h"
#include "kvo/OperatingSystem.h"
#include "res/InteractiveTestDlgRes.h"
#include "res/KVOrKeyboardRes.h"
#include "res/KeyboardLayoutTestRes.h"
#include "res/SimpleKeyboardTestRes.h"

using kvorkeyboard::localizedText;
using kvorkeyboard::ParameterId;
using kvorkeyboard::TextId;

namespace {

kvo::LoggerRef g_log("kvorkeyboard.CInteractiveTestDlg");

// The site code the host records with the "UserClickedFail" event.
constexpr int kFailReportCode = 287;

UINT testOfRadio(int radioId) {
    return radioId == IDC_LAYOUT_TEST_RADIO ? IDD_KEYBOARD_LAYOUT_TEST : IDD_SIMPLE_KEYBOARD_TEST;
}

int radioOfTest(UINT testId) {
    if (testId == IDD_SIMPLE_KEYBOARD_TEST) return IDC_SIMPLE_TEST_RADIO;
    if (testId == IDD_KEYBOARD_LAYOUT_TEST) return IDC_LAYOUT_TEST_RADIO;
    return 0;
}

UINT initialTest(UINT testId) {
    if (testId != 0) return testId;
    const kvo::String name = kvorkeyboard::parameterText(ParameterId::szDefaultTestToShow);
    const kvorkeyboard::DefaultTest chosen = kvorkeyboard::defaultTestFor(name);
    if (!chosen.recognised)
        KVO_LOG(g_log, 4,
                "Invalid default test (" << name << ") specified in mli setting szDefaultTestToShow.  "
                                            "Defaulting to \"Keyboard Layout Test\".");
    return chosen.testId;
}

}  // namespace

BEGIN_MESSAGE_MAP(CInteractiveTestDlg, CDialog)
    ON_BN_CLICKED(IDC_PASS, &CInteractiveTestDlg::passTest)
    ON_BN_CLICKED(IDC_FAIL, &CInteractiveTestDlg::failTest)
    ON_BN_CLICKED(IDC_ABORT, &CInteractiveTestDlg::abortTest)
    ON_MESSAGE(WM_TEST_PASS, &CInteractiveTestDlg::onRequest<&CInteractiveTestDlg::passTest>)
    ON_MESSAGE(WM_TEST_FAIL, &CInteractiveTestDlg::onRequest<&CInteractiveTestDlg::failTest>)
    ON_MESSAGE(WM_TEST_ABORT, &CInteractiveTestDlg::onRequest<&CInteractiveTestDlg::abortTest>)
    ON_MESSAGE(WM_TEST_ENABLE_PASS, &CInteractiveTestDlg::onEnableButton<IDC_PASS>)
    ON_MESSAGE(WM_TEST_SHOW_PASS, &CInteractiveTestDlg::onShowButton<IDC_PASS>)
    ON_MESSAGE(WM_TEST_ENABLE_FAIL, &CInteractiveTestDlg::onEnableButton<IDC_FAIL>)
    ON_MESSAGE(WM_TEST_SHOW_FAIL, &CInteractiveTestDlg::onShowButton<IDC_FAIL>)
    ON_MESSAGE(WM_TEST_ENABLE_ABORT, &CInteractiveTestDlg::onEnableButton<IDC_ABORT>)
    ON_MESSAGE(WM_TEST_SHOW_ABORT, &CInteractiveTestDlg::onShowButton<IDC_ABORT>)
    ON_MESSAGE(WM_TEST_ENABLE_START, &CInteractiveTestDlg::onEnableButton<IDC_START>)
    ON_MESSAGE(WM_TEST_SHOW_START, &CInteractiveTestDlg::onShowButton<IDC_START>)
    ON_MESSAGE(WM_TEST_FOCUS_INSTRUCTIONS, &CInteractiveTestDlg::onRequest<&CInteractiveTestDlg::focusInstructions>)
    ON_BN_CLICKED(IDC_LAYOUT_TEST_RADIO, &CInteractiveTestDlg::onChooseTest<IDC_LAYOUT_TEST_RADIO>)
    ON_BN_CLICKED(IDC_SIMPLE_TEST_RADIO, &CInteractiveTestDlg::onChooseTest<IDC_SIMPLE_TEST_RADIO>)
    ON_MESSAGE(WM_HOTKEY, &CInteractiveTestDlg::OnHotKey)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

CInteractiveTestDlg::CInteractiveTestDlg(CWnd* pParent, UINT testId, bool chooserMode)
    : CDialog(IDD_INTERACTIVE_TEST, pParent),
      m_hIcon(LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_KVORKEYBOARD))),
      m_nTestId(initialTest(testId)),
      m_bChooserMode(chooserMode) {}

CInteractiveTestDlg::~CInteractiveTestDlg() { destroyCurrentTest(); }

void CInteractiveTestDlg::PreSubclassWindow() {
    CWnd::PreSubclassWindow();
    KVOLangExt::PreSubclassWindow(this);
}

void CInteractiveTestDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    if (!m_bChooserMode) DDX_Control(pDX, IDC_KEYBOARD_PICTURE, m_keyboardPicture);
}

BOOL CInteractiveTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowText(kvorkeyboard::g_pKeyboardInteractiveTest->localizedName().kvoString());

    static const struct {
        int controlId;
        TextId text;
    } texts[] = {
        {IDC_INSTRUCTIONS_GROUP, TextId::msgInstructions}, {IDC_AVAILABLE_TESTS, TextId::szAvailableTests},
        {IDC_PASS, TextId::msgPassNoShortcut},             {IDC_FAIL, TextId::msgFailNoShortcut},
        {IDC_ABORT, TextId::msgAbortNoShortcut},
    };
    for (const auto& text : texts) SetDlgItemText(text.controlId, localizedText(text.text).getUCS2Buffer());
    adjustButtonWidths();
    SetDlgItemText(IDC_SIMPLE_TEST_RADIO, localizedText(TextId::szSimpleKeyboardTest).getUCS2Buffer());
    SetDlgItemText(IDC_LAYOUT_TEST_RADIO, localizedText(TextId::szKeyboardLayoutTest).getUCS2Buffer());
    GetDlgItem(IDC_START)->ShowWindow(SW_HIDE);

    showTest(m_nTestId);
    m_nSelectedRadio = radioOfTest(m_nTestId);
    if (m_nSelectedRadio) SendDlgItemMessage(m_nSelectedRadio, BM_SETCHECK, BST_CHECKED);

    if (m_bChooserMode) {
        GetDlgItem(IDC_KEYBOARD_PICTURE)->ShowWindow(SW_HIDE);
    } else {
        for (int id : {IDC_SIMPLE_TEST_RADIO, IDC_LAYOUT_TEST_RADIO, IDC_AVAILABLE_TESTS})
            GetDlgItem(id)->ShowWindow(SW_HIDE);
        // A missing picture leaves the place empty; the test works without it.
        (void)m_keyboardPicture.SetImage(kvorkeyboard::parameterText(ParameterId::ImagesPath) + "\\keyboard.png",
                                         false);
    }
    return FALSE;
}

void CInteractiveTestDlg::destroyCurrentTest() {
    if (!m_pCurrentTest) return;
    // Destroyed while the page is still whole, so that its WM_DESTROY
    // handler (which removes the keyboard hook) runs.
    m_pCurrentTest->DestroyWindow();
    m_pCurrentTest.reset();
}

void CInteractiveTestDlg::showTest(UINT testId) {
    destroyCurrentTest();
    const CRuntimeClass* pageClass = kvorkeyboard::findTestPage(kvorkeyboard::moduleTestPages(), testId);
    if (pageClass) {
        m_pCurrentTest = pageClass->CreateObjectAs<CKeyboardTest>();
    } else {
        KVO_LOG(g_log, 4, "Failed to create new test dialog object");
        KVO_LOG(g_log, 1, "Invalid test identifier: " << testId);
    }
    if (!m_pCurrentTest) {
        KVO_LOG(g_log, 4, "Failed to allocate memory for test dialog object");
        return;
    }
    if (!m_pCurrentTest->Create(testId, GetDlgItem(IDC_TEST_AREA)))
        KVO_LOG(g_log, 5, "Failed to create dialog with error code " << GetLastError());
    SetDlgItemText(IDC_INSTRUCTIONS, m_pCurrentTest->getInstructions().getUCS2Buffer());
    SetDlgItemText(IDC_SUB_INSTRUCTION1, m_pCurrentTest->getSubInstruction1().getUCS2Buffer());
    SetDlgItemText(IDC_SUB_INSTRUCTION2, m_pCurrentTest->getSubInstruction2().getUCS2Buffer());
    m_pCurrentTest->ShowWindow(SW_SHOW);
}

template <int nRadioId>
void CInteractiveTestDlg::onChooseTest() {
    if (!m_bChooserMode) return;
    // The radios are not automatic: the running page keeps its state when
    // its own radio is clicked again.
    if (SendDlgItemMessage(nRadioId, BM_GETCHECK) == BST_UNCHECKED) {
        if (m_nSelectedRadio) SendDlgItemMessage(m_nSelectedRadio, BM_SETCHECK, BST_UNCHECKED);
        SendDlgItemMessage(nRadioId, BM_SETCHECK, BST_CHECKED);
        showTest(testOfRadio(nRadioId));
        m_nSelectedRadio = nRadioId;
    }
    if (m_nSelectedRadio) GetDlgItem(m_nSelectedRadio)->SetFocus();
}

void CInteractiveTestDlg::adjustButtonWidths() {
    if (!kvorkeyboard::arrangesButtons(kvo::OperatingSystem::getCurrentOperatingSystem().getMajor())) return;
    const int ids[] = {IDC_PASS, IDC_FAIL, IDC_ABORT};
    kvorkeyboard::ButtonRow row{};
    kvorkeyboard::ButtonWidths idealWidths{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        CWnd* button = GetDlgItem(ids[i]);
        CRect client;
        button->GetClientRect(&client);
        CRect place;
        button->GetWindowRect(&place);
        ScreenToClient(&place);
        row[i] = {place.left, place.top, client.Width(), place.Height()};
        SIZE ideal{0, 0};
        button->SendMessage(BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
        idealWidths[i] = ideal.cx;
    }
    const int width = kvorkeyboard::fittingWidth(row, idealWidths);
    if (width == 0) return;
    const kvorkeyboard::ButtonRow widened = kvorkeyboard::widenedLeftwards(row, width);
    for (std::size_t i = 0; i < widened.size(); ++i)
        GetDlgItem(ids[i])->SetWindowPos(nullptr, widened[i].left, widened[i].top, widened[i].width,
                                         widened[i].height, SWP_NOZORDER);
}

void CInteractiveTestDlg::focusInstructions() { GetDlgItem(IDC_INSTRUCTIONS)->SetFocus(); }

void CInteractiveTestDlg::passTest() {
    CDialog::OnOK();
    m_result = vemo5::TestResult::PASS();
}

void CInteractiveTestDlg::failTest() {
    CDialog::OnCancel();
    m_result = vemo5::TestResult::FAIL();
    vemo5::DiagModule::error(kvorkeyboard::g_pUserClickedFailEvent, "CInteractiveTestDlg", kFailReportCode);
}

void CInteractiveTestDlg::abortTest() {
    CDialog::OnCancel();
    m_result = vemo5::TestResult::USERABORTED();
}

template <void (CInteractiveTestDlg::*Action)()>
LRESULT CInteractiveTestDlg::onRequest(WPARAM, LPARAM) {
    (this->*Action)();
    return 0;
}

template <int nButtonId>
LRESULT CInteractiveTestDlg::onEnableButton(WPARAM wParam, LPARAM) {
    GetDlgItem(nButtonId)->EnableWindow(static_cast<BOOL>(wParam));
    return 0;
}

template <int nButtonId>
LRESULT CInteractiveTestDlg::onShowButton(WPARAM wParam, LPARAM) {
    GetDlgItem(nButtonId)->ShowWindow(static_cast<int>(wParam));
    return 0;
}

LRESULT CInteractiveTestDlg::OnHotKey(WPARAM, LPARAM) { return 0; }

void CInteractiveTestDlg::OnClose() { abortTest(); }

void CInteractiveTestDlg::OnDestroy() {
    destroyCurrentTest();
    CWnd::OnDestroy();
}

HCURSOR CInteractiveTestDlg::OnQueryDragIcon() { return m_hIcon; }
