#include <gtest/gtest.h>

#include "../Report.h"
#include "../ReportEscape.h"

using namespace vemo5;

// A test that recorded everything a report can hold, with text that each
// format must escape, and bytes it cannot carry (a control, invalid UTF-8).
RunRecord sampleRun() {
    return {"kvorkeyboard.mlx", "5.0.000000001", "de",
            {{"KeyboardLayoutTest", "INTERNALERROR", 1250, {{"bUseSimpleUi", "yes"}, {"szText", ""}},
              {{"UserClickedFail", true, "Dlg.cpp", 7}, {"InvalidLayout", false, "\"\xC3\xA4\"\n\t\x01\xFF", 9}},
              "bad <index>"}},
            {"exit callback: lock keys lost"}};
}

TEST(Report, JsonHoldsEveryTestWithParametersEventsAndTheExitCode) {
    EXPECT_EQ(R"({
  "module": "kvorkeyboard.mlx",
  "version": "5.0.000000001",
  "language": "de",
  "exitCode": 3,
  "moduleErrors": [
    "exit callback: lock keys lost"
  ],
  "tests": [
    {
      "name": "KeyboardLayoutTest",
      "result": "INTERNALERROR",
      "durationSeconds": 1.250,
      "exception": "bad <index>",
      "parameters": {"bUseSimpleUi": "yes", "szText": ""},
      "events": [
        {"event": "UserClickedFail", "severity": "error", "message": "Dlg.cpp", "code": 7},
        {"event": "InvalidLayout", "severity": "warning", "message": "\"ä\"\n\t\u0001�", "code": 9}
      ]
    }
  ]
}
)",
              toJson(sampleRun(), 3));
}

TEST(Report, JUnitMapsFailErrorAndAbortToTheirElements) {
    RunRecord run = sampleRun();
    for (const char* result : {"PASS", "USERABORTED", "FAIL"}) run.tests.push_back({"T", result, 15, {}, {}, ""});
    const std::string xml = toJUnitXml(run);
    EXPECT_EQ(0u, xml.find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuite name=\"kvorkeyboard.mlx\" tests=\"4\" "
                           "failures=\"1\" errors=\"1\" skipped=\"1\" time=\"1.295\">"));
    EXPECT_NE(std::string::npos, xml.find("<property name=\"bUseSimpleUi\" value=\"yes\"/>"));
    EXPECT_NE(std::string::npos, xml.find("<error type=\"INTERNALERROR\" message=\"bad &lt;index&gt;\"/>\n"
                                          "    <system-out>error UserClickedFail: Dlg.cpp (7)&#10;"
                                          "warning InvalidLayout: &quot;\xC3\xA4&quot;&#10;&#9;"
                                          "\xEF\xBF\xBD\xEF\xBF\xBD (9)&#10;</system-out>"));
    EXPECT_NE(std::string::npos, xml.find(" name=\"T\" time=\"0.015\">\n  </testcase>"));  // a pass: no element
    EXPECT_NE(std::string::npos, xml.find("<skipped type=\"USERABORTED\" message=\""));
    EXPECT_NE(std::string::npos, xml.find("<failure type=\"FAIL\" message=\""));
    const std::string end = "<system-err>exit callback: lock keys lost&#10;</system-err>\n</testsuite>\n";
    EXPECT_EQ(xml.size() - end.size(), xml.rfind(end));
}

TEST(RunRecord, SummaryLineGivesTheReasonOnOneLine) {
    EXPECT_EQ("PASS T 1.250 s", summaryLine({"T", "PASS", 1250, {}, {}, ""}));
    EXPECT_EQ("INTERNALERROR T 61.001 s: a  b", summaryLine({"T", "INTERNALERROR", 61001, {}, {}, "a\r\nb"}));
    const TestRecord failed{"T", "FAIL", 0, {}, sampleRun().tests[0].events, ""};
    EXPECT_EQ("FAIL T 0.000 s: UserClickedFail: Dlg.cpp (7)", summaryLine(failed));
    EXPECT_EQ("FAIL T 0.000 s: the test failed", summaryLine({"T", "FAIL", 0, {}, {}, ""}));
    EXPECT_EQ("USERABORTED T 0.000 s: aborted by the operator", summaryLine({"T", "USERABORTED", 0, {}, {}, ""}));
}
