// The family follows the host's language. Run by the host itself, once a
// process, because only a running host answers getLanguage. The test prefix
// (tools/wine-session.sh) provides "Gulim" and "MS UI Gothic" through one
// substitute font that has no bold face: the key is drawn, and the missing
// bold style is reported once.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyPressTestDialog.h"
#include "afx/Dialog.h"
#include "keypress/KeyPressControl.h"
#include "keypress/testing/ScreenInk.h"
#include "kvo/Logging.h"
#include "vemo5/DiagModule.h"

namespace {

const COLORREF kBackground = RGB(10, 200, 30);
const COLORREF kText = RGB(200, 20, 40);

struct Painted {
    int textPixels = -1;
    int backgroundPixels = -1;
    int warnings = 0;
};
Painted g_painted;

vemo5::TestResult paintOneKey(const vemo5::DiagDevice&) {
    afx::GdiplusSession gdiplus;
    kvo::ScopedLogCapture capture{1};
    CDialog host;
    if (!host.Create(IDD_KEYPRESS_HOST)) return vemo5::TestResult::INTERNALERROR();
    {
        KeyPressControl control;
        if (!control.SubclassDlgItem(IDC_KEYPRESS, &host)) return vemo5::TestResult::INTERNALERROR();
        control.setBackgroundColor(kBackground);
        control.setTextColor(kText);
        control.setFontSize(40.0f);
        control.setText(L"W", true);
        g_painted.textPixels = kvorkeyboard::testing::inkOf(control.m_hWnd, kText).pixels;
        g_painted.backgroundPixels = kvorkeyboard::testing::inkOf(control.m_hWnd, kBackground).pixels;
    }
    host.DestroyWindow();
    for (const auto& entry : capture.sink().entries())
        if (entry.logger == "kvorkeyboard.KeyPressControl" && entry.level == 3 &&
            entry.message.find("FontStyleBold not available!") != std::string::npos)
            ++g_painted.warnings;
    return vemo5::TestResult::PASS();
}

Painted paintUnderHostLanguage(const char* language) {
    vemo5::DiagModule::createTest("PaintOneKey", vemo5::DeviceCapability::None(), paintOneKey);
    std::vector<std::string> args = {"keypress", "--test", "PaintOneKey", "--language", language,
                                     "--results", KVORKEYBOARD_TEST_RESULTS_DIR};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    vemo5::DiagModule::setCmdLineArgs(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(vemo5::DiagModule::start(), 0) << language;
    return g_painted;
}

}  // namespace

TEST(KeyPressLanguageTest, KoreanDrawsInGulimAndReportsItsMissingBold) {
    const Painted painted = paintUnderHostLanguage("ko");
    EXPECT_GT(painted.textPixels, 0);
    EXPECT_GT(painted.backgroundPixels, 0);
    EXPECT_EQ(painted.warnings, 1);
}

TEST(KeyPressLanguageTest, JapaneseDrawsInMsUiGothicAndReportsItsMissingBold) {
    const Painted painted = paintUnderHostLanguage("ja");
    EXPECT_GT(painted.textPixels, 0);
    EXPECT_EQ(painted.warnings, 1);
}

TEST(KeyPressLanguageTest, ChineseKeepsTheDialogFamily) {
    const Painted painted = paintUnderHostLanguage("zh_cn");
    EXPECT_GT(painted.textPixels, 0);
    EXPECT_EQ(painted.warnings, 0);
}
