// The media-centre dialog on a real window, fed low-level hook events through
// the hook procedure with fake hooks and a fake keyboard; the key display is
// read back from the screen.
#include "dialogs/MediaCenterKeyboardTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "afx/ScopedGdiplus.h"
#include "afx/ScopedWin.h"
#include "dialogs/arrange/ButtonRow.h"
#include "frame/LocalizedStrings.h"
#include "frame/ModuleParameters.h"
#include "frame/ModuleRegistration.h"
#include "keyboard/KeyboardHook.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "keypress/testing/ScreenInk.h"
#include "kvo/OperatingSystem.h"
#include "res/MediaCenterKeyboardTestRes.h"

using namespace kvorkeyboard;

namespace kvo {
// Failures show texts, not bytes.
void PrintTo(const String& text, std::ostream* os) { *os << '"' << text.toUtf8() << '"'; }
}  // namespace kvo

namespace {

vemo5::TestResult runNothing(const vemo5::DiagDevice&) { return vemo5::TestResult::INTERNALERROR(); }

// What the module's start-up would have done before any test runs.
class ModuleStartUp : public ::testing::Environment {
public:
    void SetUp() override {
        RegisterTestsAndEvents({runNothing, runNothing, runNothing, runNothing});
        CreateLocalizedStrings();
        CreateModuleParameters();
    }
};
const auto* const g_startUp = ::testing::AddGlobalTestEnvironment(new ModuleStartUp);

class CTestedDialog : public CMediaCenterKeyboardTest {
public:
    using CMediaCenterKeyboardTest::ArrangeButtons;
    using CMediaCenterKeyboardTest::CMediaCenterKeyboardTest;
};

using Snapshot = std::vector<DWORD>;

Snapshot pixelsOf(HWND window) { return kvorkeyboard::testing::capture(window).pixels; }

// Paints over the control without invalidating it: only a real repaint
// brings its text back.
void scribbleOver(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const afx::ScopedWindowDC dc(window);
    FillRect(dc.get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

RECT rectInDialog(const CWnd& dialog, int id) {
    RECT rect;
    GetWindowRect(dialog.GetDlgItem(id)->m_hWnd, &rect);
    dialog.ScreenToClient(&rect);
    return rect;
}

kvo::String textOf(const CWnd* window) {
    kvo::String text;
    window->GetWindowText(text);
    return text;
}

LRESULT key(UINT message, DWORD vk, DWORD scan, DWORD flags = 0) {
    KBDLLHOOKSTRUCT event{vk, scan, flags, 0, 0};
    return KeyboardHookProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
}

// Alt+F as the low-level hook would deliver it, from inside a message loop.
void CALLBACK pressAltF(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    key(WM_SYSKEYDOWN, 'F', 0x21, LLKHF_ALTDOWN);
}

// Every shortcut parameter is set: this dialog's shortcuts ignore them.
class MediaCenterDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.ok());
        // Names the key after its own code, so that every key looks different.
        environment.keyboard.toUnicode = [](UINT vk, UINT, const BYTE*, wchar_t* buffer, int, HKL) {
            buffer[0] = static_cast<wchar_t>(vk);
            return 1;
        };
        for (ParameterId id : {ParameterId::bDisablePassKeyboardShortcut, ParameterId::bDisableFailKeyboardShortcut,
                               ParameterId::bDisableAbortKeyboardShortcut})
            ASSERT_TRUE(parameterHandle(id)->setValue("true"));
        ASSERT_TRUE(dialog.Create(IDD_MEDIA_CENTER_KEYBOARD_TEST));
    }
    void TearDown() override {
        if (::IsWindow(dialog.m_hWnd)) dialog.DestroyWindow();
    }
    HWND display() const { return dialog.GetDlgItem(IDC_KEY_PRESSED)->m_hWnd; }

    afx::GdiplusSession gdiplus;
    kvorkeyboard::testing::ScopedHookEnvironment environment;
    CTestedDialog dialog{nullptr, environment.keyboard};
};

TEST_F(MediaCenterDialog, OpensWithLabelsWithoutShortcutHintsAndHooksOnlyWhileOpen) {
    EXPECT_EQ(textOf(&dialog), g_pMediaCenterKeyboardTest->localizedName().kvoString());
    const std::pair<int, TextId> labels[] = {
        {IDC_INSTRUCTIONS_GROUP, TextId::msgInstructions}, {IDC_KEY_PRESSED_GROUP, TextId::msgKeyPressed},
        {IDC_PASS, TextId::msgPassNoShortcut},             {IDC_FAIL, TextId::msgFailNoShortcut},
        {IDC_ABORT, TextId::msgAbortNoShortcut}};
    for (const auto& [id, text] : labels) EXPECT_EQ(textOf(dialog.GetDlgItem(id)), localizedText(text)) << id;

    // The first instruction, an empty line, the second, then each
    // sub-instruction on a line of its own, and nothing of it selected.
    CWnd* instructions = dialog.GetDlgItem(IDC_INSTRUCTIONS);
    EXPECT_EQ(textOf(instructions), localizedText(TextId::msgMCInstruction1) + "\r\n\r\n" +
                                        localizedText(TextId::msgMCInstruction2) + "\r\n" +
                                        localizedText(TextId::msgMCSubInstruction1) + "\r\n" +
                                        localizedText(TextId::msgMCSubInstruction2));
    EXPECT_EQ(instructions->SendMessage(EM_GETLINECOUNT), 5);
    DWORD start = 0, end = 0;
    instructions->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "opened with the instructions highlighted";

    ASSERT_EQ(environment.hooks.installed.size(), 1u);
    EXPECT_EQ(environment.hooks.installed[0].idHook, WH_KEYBOARD_LL);
    dialog.DestroyWindow();
    EXPECT_EQ(environment.hooks.removed.size(), 1u);
}

// Drawn exactly as a key label told "msgAnyKey" at 24 pixels on the
// button face, in the label's own blue.
TEST_F(MediaCenterDialog, DisplayStartsWithAnyKeyAt24PixelsOnTheButtonFace) {
    RECT shown, frame;
    GetClientRect(display(), &shown);
    dialog.GetWindowRect(&frame);
    KeyPressControl reference;
    ASSERT_TRUE(reference.SubclassWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, frame.left,
                                                         frame.bottom + 10, shown.right, shown.bottom, nullptr,
                                                         nullptr, nullptr, nullptr)));
    reference.setBackgroundColor(GetSysColor(COLOR_BTNFACE));
    reference.setFontSize(24.0f);
    reference.setText(localizedText(TextId::msgAnyKey), true);
    dialog.UpdateWindow();
    EXPECT_TRUE(pixelsOf(display()) == pixelsOf(reference.m_hWnd));
}

TEST_F(MediaCenterDialog, HeldKeyRepaintsAtEveryRepeatAndItsReleaseChangesNothing) {
    dialog.UpdateWindow();
    const Snapshot anyKey = pixelsOf(display());
    EXPECT_EQ(key(WM_KEYDOWN, 'A', 0x1E), 1) << "a letter stays from the system";
    const Snapshot letterA = pixelsOf(display());
    EXPECT_TRUE(letterA != anyKey);

    scribbleOver(display());
    key(WM_KEYDOWN, 'A', 0x1E);
    EXPECT_TRUE(pixelsOf(display()) == letterA) << "repainted at the repeat";

    scribbleOver(display());
    const Snapshot scribbled = pixelsOf(display());
    key(WM_KEYUP, 'A', 0x1E, LLKHF_UP);
    EXPECT_TRUE(pixelsOf(display()) == scribbled) << "a release paints nothing";
    ::InvalidateRect(display(), nullptr, TRUE);
    ::UpdateWindow(display());
    EXPECT_TRUE(pixelsOf(display()) == letterA) << "and leaves the name";

    EXPECT_EQ(key(WM_KEYDOWN, VK_LSHIFT, 0x2A), 0) << "Shift goes on to the system";
    EXPECT_TRUE(pixelsOf(display()) != letterA);
}

// Outside a host run the host notes each event in its log: that is where
// the "UserClickedFail" reports are counted.
TEST_F(MediaCenterDialog, EveryEndingGivesItsResultAndOnlyFailReportsOnce) {
    const struct {
        const char* what;
        int button;  // 0: the Alt shortcut below
        DWORD vk, scan;
        vemo5::TestResult result;
        int failReports;
    } cases[] = {
        {"Pass", IDC_PASS, 0, 0, vemo5::TestResult::PASS(), 0},
        {"Fail", IDC_FAIL, 0, 0, vemo5::TestResult::FAIL(), 1},
        {"Cancel", IDC_ABORT, 0, 0, vemo5::TestResult::USERABORTED(), 0},
        {"Alt+P", 0, 'P', 0x19, vemo5::TestResult::PASS(), 0},
        {"Alt+F", 0, 'F', 0x21, vemo5::TestResult::FAIL(), 1},
        {"Alt+X", 0, 'X', 0x2D, vemo5::TestResult::USERABORTED(), 0},
    };
    for (const auto& c : cases) {
        dialog.DestroyWindow();  // the hook has room for one target
        CTestedDialog test(nullptr, environment.keyboard);
        ASSERT_TRUE(test.Create(IDD_MEDIA_CENTER_KEYBOARD_TEST));
        kvo::ScopedLogCapture capture{1};
        if (c.button)
            test.SendMessage(WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(test.GetDlgItem(c.button)->m_hWnd));
        else
            EXPECT_EQ(key(WM_SYSKEYDOWN, c.vk, c.scan, LLKHF_ALTDOWN), 1) << c.what;
        EXPECT_EQ(test.getResult(), c.result) << c.what;
        EXPECT_FALSE(test.IsWindowVisible()) << c.what;
        int reports = 0;
        for (const auto& entry : capture.sink().entries())
            reports += entry.logger == "vemo5.Host" &&
                       entry.message.find("UserClickedFail") != std::string::npos &&
                       entry.message.find("CMediaCenterKeyboardTest (277)") != std::string::npos;
        EXPECT_EQ(reports, c.failReports) << c.what;
    }
}

// A modal run as the run driver makes it: the shortcut arrives through the
// dialog's own message loop and ends it.
TEST_F(MediaCenterDialog, ShortcutEndsAModalRunWithItsResult) {
    dialog.DestroyWindow();
    CTestedDialog modal(nullptr, environment.keyboard);
    ASSERT_NE(::SetTimer(nullptr, 0, 10, pressAltF), 0u);
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_EQ(modal.getResult(), vemo5::TestResult::FAIL());
}

// Texts too wide for the template's buttons: all three are measured, the
// row is centred in the dialog's window and Fail takes up the slack.
TEST_F(MediaCenterDialog, OverflowingLabelsCentreTheRowAroundAWiderFail) {
    if (!arrangesButtons(kvo::OperatingSystem::getCurrentOperatingSystem().getMajor()))
        GTEST_SKIP() << "this Windows keeps the template's buttons";
    const RECT pass = rectInDialog(dialog, IDC_PASS);
    for (int id : {IDC_PASS, IDC_FAIL, IDC_ABORT})
        dialog.GetDlgItem(id)->SetWindowText(L"A label far wider than any button of the template");
    SIZE ideal{};
    static_cast<CButton*>(dialog.GetDlgItem(IDC_PASS))->GetIdealSize(&ideal);

    dialog.ArrangeButtons();

    RECT frame;
    dialog.GetWindowRect(&frame);
    const int side = (frame.right - frame.left - 3 * (ideal.cx + 5) - 20) / 2;
    const RECT newPass = rectInDialog(dialog, IDC_PASS);
    const RECT newFail = rectInDialog(dialog, IDC_FAIL);
    const RECT newCancel = rectInDialog(dialog, IDC_ABORT);
    EXPECT_EQ(newPass.left, side);
    EXPECT_EQ(newPass.right - newPass.left, pass.right - pass.left);
    EXPECT_EQ(newCancel.right, frame.right - frame.left - side);
    EXPECT_EQ(newFail.left, newPass.right + 10);
    EXPECT_EQ(newFail.right, newCancel.left - 10);
    EXPECT_EQ(newFail.top, pass.top);
}

// Last in the file: the host keeps the catalog it loads here for the rest of
// the process. Texts read fresh follow the catalog; the instructions stay as
// the first dialog of the process composed them.
TEST_F(MediaCenterDialog, InstructionsKeepTheTextsOfTheFirstDialogOfTheProcess) {
    const std::string first = textOf(dialog.GetDlgItem(IDC_INSTRUCTIONS)).toUtf8();
    dialog.DestroyWindow();

    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("kvorkeyboard-media-" + std::to_string(::GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "en.txt") << "msgMCInstruction1 = Changed\nmsgMCSubInstruction1 = Changed\n"
                                        "msgKeyPressed = Changed\n";
    const std::string texts = folder.u8string();
    const std::string results = (folder / "results").u8string();
    const char* args[] = {"kvorkeyboard.mlx", "--test", "MediaCenterKeyboardTest", "--texts", texts.c_str(),
                          "--results", results.c_str()};
    vemo5::DiagModule::setCmdLineArgs(7, const_cast<char**>(args));
    (void)vemo5::DiagModule::start();

    CTestedDialog later(nullptr, environment.keyboard);
    ASSERT_TRUE(later.Create(IDD_MEDIA_CENTER_KEYBOARD_TEST));
    EXPECT_EQ(textOf(later.GetDlgItem(IDC_KEY_PRESSED_GROUP)).toUtf8(), "Changed");
    EXPECT_EQ(textOf(later.GetDlgItem(IDC_INSTRUCTIONS)).toUtf8(), first);
    later.DestroyWindow();
    std::filesystem::remove_all(folder);
}

}  // namespace
