// Fail in the frame, run by the host: the test fails and the host's report
// holds exactly one "UserClickedFail" event with the frame's site code.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "HostRun.h"
#include "ScriptedDlg.h"
#include "keyboard/testing/FakeHookSystem.h"

using namespace kvorkeyboard;

namespace {

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
    kvorkeyboard::testing::ScopedHookEnvironment env;
    const std::string results = std::string(KVORKEYBOARD_TEST_RESULTS_DIR) + "/verdict";
    EXPECT_EQ(kvorkeyboard::testing::runSimpleTestInHost(failThroughTheFrame, {"--results", results}), 1);

    std::ifstream file(results + "/results.json");
    std::stringstream report;
    report << file.rdbuf();
    EXPECT_EQ(occurrences(report.str(), "UserClickedFail"), 1) << report.str();
    EXPECT_EQ(occurrences(report.str(), "287"), 1) << report.str();
    EXPECT_EQ(occurrences(report.str(), "\"FAIL\""), 1) << report.str();
}
