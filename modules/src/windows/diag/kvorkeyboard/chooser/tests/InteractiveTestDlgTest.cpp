// The frame with pages of the tests' own, run modelessly for its layout and
// modally for its verdicts.
#include "chooser/InteractiveTestDlg.h"

#include "ScriptedDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/Gdi.h"
#include "afx/ScopedGdiplus.h"
#include "frame/ModuleParameters.h"
#include "frame/ModuleRegistration.h"
#include "kvo/Logging.h"
#include "res/InteractiveTestDlgRes.h"
#include "res/SimpleKeyboardTestRes.h"

using namespace kvorkeyboard;

namespace {

vemo5::TestResult runNothing(const vemo5::DiagDevice&) { return vemo5::TestResult::PASS(); }

// A page on the simple test's template that counts its lives.
class FakePage : public CKeyboardTest {
    DECLARE_DYNCREATE(FakePage)

public:
    FakePage() : CKeyboardTest(IDD_SIMPLE_KEYBOARD_TEST, nullptr) { ++created; }
    ~FakePage() override { ++deleted; }
    LRESULT keyboardHookHandler(WPARAM, LPARAM) override { return 0; }
    kvo::String getInstructions() override { return "page instructions"; }
    kvo::String getSubInstruction1() override { return "page status 1"; }
    kvo::String getSubInstruction2() override { return "page status 2"; }

    static int created;
    static int deleted;
};
// CKeyboardTest has no run-time class of its own.
IMPLEMENT_DYNCREATE(FakePage, CDialog)
int FakePage::created = 0;
int FakePage::deleted = 0;

// The layout test's template is not part of these resources, so its page
// cannot create its window: the frame's failure path.
class FakeLayoutPage : public FakePage {
    DECLARE_DYNCREATE(FakeLayoutPage)
};
IMPLEMENT_DYNCREATE(FakeLayoutPage, FakePage)

const TestPages kPages = {{1261, RUNTIME_CLASS(FakePage)}, {1262, RUNTIME_CLASS(FakeLayoutPage)}};

class InteractiveTestDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterTestsAndEvents({runNothing, runNothing, runNothing, runNothing});
        CreateModuleParameters();
    }
    void SetUp() override {
        ASSERT_TRUE(gdiplus.ok());
        setParameter(ParameterId::szDefaultTestToShow, "");
        setParameter(ParameterId::ImagesPath, KVORKEYBOARD_TEST_IMAGES_DIR);
        FakePage::created = FakePage::deleted = 0;
    }
    static void setParameter(ParameterId id, const char* value) {
        ASSERT_TRUE(parameterHandle(id)->setValue(value));
    }

    bool visible(CWnd& dlg, int id) { return (dlg.GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }
    std::wstring text(CWnd& dlg, int id) {
        kvo::String value;
        dlg.GetDlgItem(id)->GetWindowText(value);
        return value.getUCS2Buffer();
    }
    HWND page(CWnd& dlg) { return ::GetWindow(dlg.GetDlgItem(IDC_TEST_AREA)->m_hWnd, GW_CHILD); }
    bool checked(CWnd& dlg, int id) { return dlg.SendDlgItemMessage(id, BM_GETCHECK) == BST_CHECKED; }
    void click(CWnd& dlg, int id) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // What the frame's own logger wrote, level and text.
    std::vector<std::pair<int, std::string>> frameLog() {
        std::vector<std::pair<int, std::string>> said;
        for (const auto& entry : capture.sink().entries())
            if (entry.logger == "kvorkeyboard.CInteractiveTestDlg") said.push_back({entry.level, entry.message});
        return said;
    }

    afx::GdiplusSession gdiplus;
    kvo::ScopedLogCapture capture{1};
};

}  // namespace

TEST_F(InteractiveTestDlgTest, ChooserOpensOnTheNamedDefaultPage) {
    setParameter(ParameterId::szDefaultTestToShow, "Simple Keyboard Test");
    CInteractiveTestDlg dlg(nullptr, 0, true, kPages);
    ASSERT_TRUE(dlg.Create(IDD_INTERACTIVE_TEST));
    EXPECT_EQ(FakePage::created, 1);
    ASSERT_NE(page(dlg), nullptr);
    EXPECT_TRUE(IsWindowVisible(page(dlg)));
    EXPECT_TRUE(checked(dlg, IDC_SIMPLE_TEST_RADIO));
    EXPECT_FALSE(checked(dlg, IDC_LAYOUT_TEST_RADIO));
    EXPECT_TRUE(visible(dlg, IDC_SIMPLE_TEST_RADIO));
    EXPECT_FALSE(visible(dlg, IDC_KEYBOARD_PICTURE));
    EXPECT_FALSE(visible(dlg, IDC_START));
    EXPECT_EQ(text(dlg, IDC_INSTRUCTIONS) + text(dlg, IDC_SUB_INSTRUCTION1) + text(dlg, IDC_SUB_INSTRUCTION2),
              L"page instructionspage status 1page status 2");
    kvo::String caption;
    dlg.GetWindowText(caption);
    EXPECT_EQ(caption, g_pKeyboardInteractiveTest->localizedName().kvoString());
    dlg.DestroyWindow();
    EXPECT_EQ(FakePage::deleted, 1);
}

TEST_F(InteractiveTestDlgTest, UnknownDefaultFallsBackToTheLayoutPageAndSaysSo) {
    for (const char* name : {"", "simple keyboard test"}) {
        setParameter(ParameterId::szDefaultTestToShow, name);
        capture.sink().clear();
        CInteractiveTestDlg dlg(nullptr, 0, true, kPages);
        ASSERT_TRUE(dlg.Create(IDD_INTERACTIVE_TEST));
        EXPECT_TRUE(checked(dlg, IDC_LAYOUT_TEST_RADIO));
        const std::string expected = std::string("Invalid default test (") + name +
                                     ") specified in mli setting szDefaultTestToShow.  Defaulting to \"Keyboard "
                                     "Layout Test\".";
        ASSERT_FALSE(frameLog().empty()) << name;
        EXPECT_EQ(frameLog()[0].first, 4) << name;
        EXPECT_NE(frameLog()[0].second.find(expected), std::string::npos) << frameLog()[0].second;
        dlg.DestroyWindow();
    }
}

TEST_F(InteractiveTestDlgTest, SwitchingPagesCreatesAFreshOneAndReclickingKeepsIt) {
    CInteractiveTestDlg dlg(nullptr, 1261, true, kPages);
    ASSERT_TRUE(dlg.Create(IDD_INTERACTIVE_TEST));
    const HWND first = page(dlg);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SIMPLE_TEST_RADIO, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_SIMPLE_TEST_RADIO)->m_hWnd));
    EXPECT_EQ(page(dlg), first);
    EXPECT_EQ(FakePage::created, 1);

    click(dlg, IDC_LAYOUT_TEST_RADIO);
    click(dlg, IDC_SIMPLE_TEST_RADIO);
    EXPECT_EQ(FakePage::created, 3);
    EXPECT_EQ(FakePage::deleted, 2);
    EXPECT_TRUE(checked(dlg, IDC_SIMPLE_TEST_RADIO));
    EXPECT_FALSE(checked(dlg, IDC_LAYOUT_TEST_RADIO));
    EXPECT_EQ(CWnd::GetFocus()->m_hWnd, dlg.GetDlgItem(IDC_SIMPLE_TEST_RADIO)->m_hWnd);
    dlg.DestroyWindow();
}

TEST_F(InteractiveTestDlgTest, SingleTestModeShowsTheKeyboardPictureAndIgnoresRadios) {
    CInteractiveTestDlg dlg(nullptr, 1261, false, kPages);
    ASSERT_TRUE(dlg.Create(IDD_INTERACTIVE_TEST));
    for (int id : {IDC_SIMPLE_TEST_RADIO, IDC_LAYOUT_TEST_RADIO, IDC_AVAILABLE_TESTS})
        EXPECT_FALSE(visible(dlg, id)) << id;
    EXPECT_TRUE(visible(dlg, IDC_KEYBOARD_PICTURE));
    const auto* picture = dynamic_cast<PngControl*>(CWnd::FromHandlePermanent(dlg.GetDlgItem(IDC_KEYBOARD_PICTURE)->m_hWnd));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->HasImage()) << KVORKEYBOARD_TEST_IMAGES_DIR "\\keyboard.png";
    click(dlg, IDC_LAYOUT_TEST_RADIO);
    EXPECT_EQ(FakePage::created, 1);
    dlg.DestroyWindow();
}

TEST_F(InteractiveTestDlgTest, UnknownPageLeavesTheAreaEmptyAndSaysWhy) {
    CInteractiveTestDlg dlg(nullptr, 999, false, kPages);
    ASSERT_TRUE(dlg.Create(IDD_INTERACTIVE_TEST));
    EXPECT_EQ(page(dlg), nullptr);
    const auto said = frameLog();
    ASSERT_EQ(said.size(), 3u);
    EXPECT_NE(said[0].second.find("Failed to create new test dialog object"), std::string::npos);
    EXPECT_EQ(said[1].first, 1);
    EXPECT_NE(said[1].second.find("Invalid test identifier: 999"), std::string::npos);
    EXPECT_NE(said[2].second.find("Failed to allocate memory for test dialog object"), std::string::npos);
    dlg.DestroyWindow();
}

TEST_F(InteractiveTestDlgTest, PageRequestsDriveTheButtonsInOrder) {
    CInteractiveTestDlg dlg(nullptr, 1261, false, kPages);
    ASSERT_TRUE(dlg.Create(IDD_INTERACTIVE_TEST));
    // Requests travel as posted messages and are handled in order.
    auto* pageObject = dynamic_cast<CKeyboardTest*>(CWnd::FromHandlePermanent(page(dlg)));
    ASSERT_NE(pageObject, nullptr);
    pageObject->enablePassButton(FALSE);
    pageObject->enablePassButton(TRUE);
    pageObject->showFailButton(FALSE);
    pageObject->showStartButton(TRUE);
    pageObject->enableStartButton(FALSE);
    pageObject->showAbortButton(FALSE);
    pageObject->enableAbortButton(FALSE);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    EXPECT_TRUE(dlg.GetDlgItem(IDC_PASS)->IsWindowEnabled());
    EXPECT_FALSE(visible(dlg, IDC_FAIL));
    EXPECT_TRUE(visible(dlg, IDC_START));
    EXPECT_FALSE(dlg.GetDlgItem(IDC_START)->IsWindowEnabled());
    EXPECT_FALSE(visible(dlg, IDC_ABORT));
    EXPECT_FALSE(dlg.GetDlgItem(IDC_ABORT)->IsWindowEnabled());
    EXPECT_EQ(dlg.getResult(), vemo5::TestResult::INTERNALERROR()) << "no verdict from button requests";
    dlg.DestroyWindow();
}

// Long texts widen the three buttons alike, leftwards, and Cancel keeps its
// right edge. Before the host supplies texts each button shows its text id,
// which is longer than the template's 50 units allow.
TEST_F(InteractiveTestDlgTest, VerdictButtonsWidenToTheirTextsKeepingTheRightEdge) {
    CInteractiveTestDlg dlg(nullptr, 1261, false, kPages);
    ASSERT_TRUE(dlg.Create(IDD_INTERACTIVE_TEST));
    CRect templateCancel(448, 281, 448 + 50, 281 + 16);
    MapDialogRect(dlg.m_hWnd, &templateCancel);
    CRect rects[3];
    const int ids[] = {IDC_PASS, IDC_FAIL, IDC_ABORT};
    for (int i = 0; i < 3; ++i) {
        dlg.GetDlgItem(ids[i])->GetWindowRect(&rects[i]);
        dlg.ScreenToClient(&rects[i]);
        SIZE ideal{};
        dlg.GetDlgItem(ids[i])->SendMessage(BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
        EXPECT_GE(rects[i].Width(), ideal.cx) << ids[i];
    }
    EXPECT_EQ(rects[0].Width(), rects[2].Width());
    EXPECT_EQ(rects[1].Width(), rects[2].Width());
    EXPECT_GT(rects[2].Width(), templateCancel.Width());
    EXPECT_EQ(rects[2].right, templateCancel.right);
    EXPECT_LT(rects[0].right, rects[1].left);
    EXPECT_LT(rects[1].right, rects[2].left);
    dlg.DestroyWindow();
}

TEST_F(InteractiveTestDlgTest, EachWayOfEndingGivesItsResult) {
    const struct {
        const char* what;
        ScriptedDlg::Step step;
        vemo5::TestResult result;
        INT_PTR modalResult;
    } cases[] = {
        {"Pass button", {WM_COMMAND, MAKEWPARAM(IDC_PASS, BN_CLICKED), false}, vemo5::TestResult::PASS(), IDOK},
        {"Fail button", {WM_COMMAND, MAKEWPARAM(IDC_FAIL, BN_CLICKED), false}, vemo5::TestResult::FAIL(), IDCANCEL},
        {"Cancel button", {WM_COMMAND, MAKEWPARAM(IDC_ABORT, BN_CLICKED), false},
         vemo5::TestResult::USERABORTED(), IDCANCEL},
        {"close box", {WM_CLOSE, 0, false}, vemo5::TestResult::USERABORTED(), IDCANCEL},
        {"page passes", {WM_TEST_PASS, 0, false}, vemo5::TestResult::PASS(), IDOK},
        {"page fails", {WM_TEST_FAIL, 0, false}, vemo5::TestResult::FAIL(), IDCANCEL},
        {"page aborts", {WM_TEST_ABORT, 0, false}, vemo5::TestResult::USERABORTED(), IDCANCEL},
        {"Esc on the page", {WM_COMMAND, IDCANCEL, true}, vemo5::TestResult::USERABORTED(), IDCANCEL},
        {"Esc on the frame", {WM_COMMAND, IDCANCEL, false}, vemo5::TestResult::INTERNALERROR(), IDCANCEL},
    };
    for (const auto& c : cases) {
        ScriptedDlg dlg(1261, {{WM_HOTKEY, 1, false}, {WM_TEST_START, 0, false}, c.step}, kPages);
        EXPECT_EQ(dlg.DoModal(), c.modalResult) << c.what;
        EXPECT_EQ(dlg.getResult(), c.result) << c.what;
    }
    EXPECT_EQ(FakePage::created, FakePage::deleted) << "every page goes with its frame";
}
