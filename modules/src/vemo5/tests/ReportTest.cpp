#include <gtest/gtest.h>

#include "../Report.h"
#include "../ReportEscape.h"

namespace vemo5 {
namespace {

// A test that recorded everything a report can hold.
RunRecord sampleRun() {
    return {"kvorkeyboard.mlx", "5.0.000000001", "de",
            {{"KeyboardLayoutTest", "INTERNALERROR", 1250, {{"bUseSimpleUi", "yes"}, {"szText", ""}},
              {{"UserClickedFail", true, "Dlg.cpp", 7}, {"InvalidLayout", false, "a\"b", 9}}, "bad <index>"}},
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
        {"event": "InvalidLayout", "severity": "warning", "message": "a\"b", "code": 9}
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
                                          "warning InvalidLayout: a&quot;b (9)&#10;</system-out>"));
    EXPECT_NE(std::string::npos, xml.find("<testcase classname=\"kvorkeyboard.mlx\" name=\"T\" time=\"0.015\">\n  </testcase>"));
    EXPECT_NE(std::string::npos, xml.find("<skipped type=\"USERABORTED\" message=\""));
    EXPECT_NE(std::string::npos, xml.find("<failure type=\"FAIL\" message=\""));
    const std::string end = "<system-err>exit callback: lock keys lost&#10;</system-err>\n</testsuite>\n";
    EXPECT_EQ(xml.size() - end.size(), xml.rfind(end));
}

TEST(Report, EscapingKeepsUtf8AndReplacesWhatTheFormatCannotCarry) {
    EXPECT_EQ("\xC3\xA4 \\\\ \\n\\t\\u0001 \xEF\xBF\xBD\xEF\xBF\xBD", jsonEscape("\xC3\xA4 \\ \n\t\x01 \xC3\xFF"));
    EXPECT_EQ("\xE6\x97\xA5 &amp;&apos;&#10;\xEF\xBF\xBD\xEF\xBF\xBD", xmlEscape("\xE6\x97\xA5 &'\n\x01\xC0"));
    // A UTF-16 surrogate written as UTF-8 is not valid text.
    EXPECT_EQ("\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", xmlEscape("\xED\xA0\x80"));
}

TEST(RunRecord, SummaryLineGivesTheReasonOnOneLine) {
    EXPECT_EQ("PASS T 1.250 s", summaryLine({"T", "PASS", 1250, {}, {}, ""}));
    EXPECT_EQ("INTERNALERROR T 61.001 s: first  second", summaryLine({"T", "INTERNALERROR", 61001, {}, {}, "first\r\nsecond"}));
    EXPECT_EQ("FAIL T 0.000 s: UserClickedFail: Dlg.cpp (7)", summaryLine({"T", "FAIL", 0, {}, sampleRun().tests[0].events, ""}));
    EXPECT_EQ("FAIL T 0.000 s: the test failed", summaryLine({"T", "FAIL", 0, {}, {}, ""}));
    EXPECT_EQ("USERABORTED T 0.000 s: aborted by the operator", summaryLine({"T", "USERABORTED", 0, {}, {}, ""}));
}

}  // namespace
}  // namespace vemo5
