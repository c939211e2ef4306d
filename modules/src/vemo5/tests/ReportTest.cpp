#include <gtest/gtest.h>

#include "../Report.h"
#include "../ReportEscape.h"

namespace vemo5 {
namespace {

RunRecord sampleRun() {
    RunRecord run{"kvorkeyboard.mlx", "5.0.000000001", "de", {}, {}};
    run.tests.push_back({"SimpleKeyboardTest", "PASS", 1250, {{"bUseSimpleUi", "yes"}}, {}, ""});
    run.tests.push_back({"KeyboardLayoutTest", "FAIL", 42, {}, {{"UserClickedFail", true, "Dlg.cpp", 7},
                                                               {"InvalidLayout", false, "a\"b", 9}}, ""});
    run.tests.push_back({"MediaCenterKeyboardTest", "USERABORTED", 0, {}, {}, ""});
    run.tests.push_back({"KeyboardInteractiveTest", "INTERNALERROR", 3, {}, {}, "bad <index>"});
    return run;
}

TEST(Report, JsonHoldsEveryTestWithParametersEventsAndTheExitCode) {
    EXPECT_EQ(R"({
  "module": "kvorkeyboard.mlx",
  "version": "5.0.000000001",
  "language": "de",
  "exitCode": 3,
  "moduleErrors": [],
  "tests": [
    {
      "name": "SimpleKeyboardTest",
      "result": "PASS",
      "durationSeconds": 1.250,
      "parameters": {"bUseSimpleUi": "yes"},
      "events": []
    },
    {
      "name": "KeyboardLayoutTest",
      "result": "FAIL",
      "durationSeconds": 0.042,
      "parameters": {},
      "events": [
        {"event": "UserClickedFail", "severity": "error", "message": "Dlg.cpp", "code": 7},
        {"event": "InvalidLayout", "severity": "warning", "message": "a\"b", "code": 9}
      ]
    },
    {
      "name": "MediaCenterKeyboardTest",
      "result": "USERABORTED",
      "durationSeconds": 0.000,
      "parameters": {},
      "events": []
    },
    {
      "name": "KeyboardInteractiveTest",
      "result": "INTERNALERROR",
      "durationSeconds": 0.003,
      "exception": "bad <index>",
      "parameters": {},
      "events": []
    }
  ]
}
)",
              toJson(sampleRun(), 3));
}

TEST(Report, JUnitMapsFailErrorAndAbortToTheirElements) {
    std::string xml = toJUnitXml(sampleRun());
    EXPECT_NE(std::string::npos, xml.find("<testsuite name=\"kvorkeyboard.mlx\" tests=\"4\" failures=\"1\" "
                                          "errors=\"1\" skipped=\"1\" time=\"1.295\">"));
    EXPECT_NE(std::string::npos, xml.find("<property name=\"bUseSimpleUi\" value=\"yes\"/>"));
    EXPECT_NE(std::string::npos, xml.find("<failure type=\"FAIL\" message=\"UserClickedFail: Dlg.cpp (7)\"/>"));
    EXPECT_NE(std::string::npos, xml.find("<system-out>error UserClickedFail: Dlg.cpp (7)&#10;"
                                          "warning InvalidLayout: a&quot;b (9)&#10;</system-out>"));
    EXPECT_NE(std::string::npos, xml.find("<skipped type=\"USERABORTED\" message=\"aborted by the operator\"/>"));
    EXPECT_NE(std::string::npos, xml.find("<error type=\"INTERNALERROR\" message=\"bad &lt;index&gt;\"/>"));
    EXPECT_EQ(1u, xml.find("?xml version=\"1.0\" encoding=\"UTF-8\"?>") );
    EXPECT_EQ(xml.size() - 13, xml.rfind("</testsuite>\n"));
}

TEST(Report, ModuleErrorsReachTheJUnitReportAsSystemErr) {
    RunRecord run{"m", "1.0", "en", {}, {"init callback: no keyboard"}};
    EXPECT_NE(std::string::npos, toJUnitXml(run).find("<system-err>init callback: no keyboard&#10;</system-err>"));
}

TEST(Report, EscapingKeepsUtf8AndReplacesWhatTheFormatCannotCarry) {
    EXPECT_EQ("\xC3\xA4 \\\\ \\n\\t\\u0001 \xEF\xBF\xBD\xEF\xBF\xBD", jsonEscape("\xC3\xA4 \\ \n\t\x01 \xC3\xFF"));
    EXPECT_EQ("\xE6\x97\xA5 &amp;&apos;&#10;\xEF\xBF\xBD\xEF\xBF\xBD", xmlEscape("\xE6\x97\xA5 &'\n\x01\xC0"));
    // A UTF-16 surrogate written as UTF-8 is not valid text.
    EXPECT_EQ("\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", xmlEscape("\xED\xA0\x80"));
}

TEST(RunRecord, TheWorstResultDecidesTheExitCode) {
    const struct {
        std::vector<const char*> results;
        bool moduleError;
        int code;
    } cases[] = {
        {{}, false, exitcode::kAllPassed},
        {{"PASS", "PASS"}, false, exitcode::kAllPassed},
        {{"PASS", "USERABORTED"}, false, exitcode::kTestAborted},
        {{"USERABORTED", "FAIL"}, false, exitcode::kTestFailed},
        {{"FAIL", "INTERNALERROR", "USERABORTED"}, false, exitcode::kInternalError},
        {{"PASS"}, true, exitcode::kInternalError},
    };
    for (const auto& c : cases) {
        RunRecord run;
        for (const char* result : c.results) run.tests.push_back({"T", result, 0, {}, {}, ""});
        if (c.moduleError) run.moduleErrors.push_back("exit callback: x");
        EXPECT_EQ(c.code, exitCodeOf(run)) << c.results.size() << c.moduleError;
    }
}

TEST(RunRecord, SummaryLineGivesTheReasonOnOneLine) {
    EXPECT_EQ("PASS SimpleKeyboardTest 1.250 s", summaryLine(sampleRun().tests[0]));
    EXPECT_EQ("FAIL KeyboardLayoutTest 0.042 s: UserClickedFail: Dlg.cpp (7)", summaryLine(sampleRun().tests[1]));
    TestRecord multiLine{"T", "INTERNALERROR", 61001, {}, {}, "first\r\nsecond"};
    EXPECT_EQ("INTERNALERROR T 61.001 s: first  second", summaryLine(multiLine));
    EXPECT_EQ("FAIL T 0.000 s: the test failed", summaryLine({"T", "FAIL", 0, {}, {}, ""}));
}

}  // namespace
}  // namespace vemo5
