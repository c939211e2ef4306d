// Fail in the frame, run by the host: the test fails and the host's report
// holds exactly one "UserClickedFail" event with the frame's site code.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptedDlg.h"
#include "frame/ModuleCallbacks.h"
#include "frame/ModuleRegistration.h"
#include "keyboard/testing/FakeHookSystem.h"

using namespace kvorkeyboard;

namespace {

vemo5::TestResult runNothing(const vemo5::DiagDevice&) { return vemo5::TestResult::PASS(); }

vemo5::TestResult failThroughTheFrame(const vemo5::DiagDevice&) {
    afx::GdiplusSession gdiplus;
    ScriptedDlg frame(1261, {{WM_COMMAND, MAKEWPARAM(IDC_FAIL, BN_CLICKED), false}});
    if (frame.DoModal() == -1) return vemo5::TestResult::INTERNALERROR();
    return frame.getResult();
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

}  // namespace

TEST(FrameVerdictTest, FailGivesFailAndOneUserClickedFailEvent) {
    RegisterTestsAndEvents({runNothing, runNothing, failThroughTheFrame, runNothing});
    vemo5::DiagModule::setModuleInitCallback(ModuleInit);
    vemo5::DiagModule::setModuleExitCallback(ModuleExit);
    kvorkeyboard::testing::ScopedHookEnvironment env;

    const std::string results = std::string(KVORKEYBOARD_TEST_RESULTS_DIR) + "/verdict";
    std::vector<std::string> args = {"kvorkeyboard.mlx", "--test", "SimpleKeyboardTest", "--results", results};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    vemo5::DiagModule::setCmdLineArgs(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(vemo5::DiagModule::start(), 1) << "a failed test";

    std::ifstream file(results + "/results.json");
    std::stringstream report;
    report << file.rdbuf();
    EXPECT_EQ(occurrences(report.str(), "UserClickedFail"), 1) << report.str();
    EXPECT_EQ(occurrences(report.str(), "287"), 1) << report.str();
    EXPECT_EQ(occurrences(report.str(), "\"FAIL\""), 1) << report.str();
}
