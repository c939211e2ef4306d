#include "Report.h"
#include "ReportEscape.h"

#include <algorithm>

namespace vemo5 {
namespace {

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + xmlEscape(value) + "\"";
}

std::string count(const RunRecord& run, const char* result) {
    return std::to_string(
        std::count_if(run.tests.begin(), run.tests.end(), [result](const TestRecord& t) { return t.result == result; }));
}

// JUnit has no "aborted": an operator's abort is a test that did not run to
// a verdict, which CI systems show as skipped.
const char* elementFor(const std::string& result) {
    if (result == "FAIL") return "failure";
    if (result == "USERABORTED") return "skipped";
    return "error";
}

std::string testCase(const RunRecord& run, const TestRecord& test) {
    std::string x = "  <testcase" + attribute("classname", run.module) + attribute("name", test.name) +
                    attribute("time", secondsText(test.milliseconds)) + ">\n";
    if (!test.parameters.empty()) {
        x += "    <properties>\n";
        for (const auto& [name, value] : test.parameters)
            x += "      <property" + attribute("name", name) + attribute("value", value) + "/>\n";
        x += "    </properties>\n";
    }
    if (test.result != "PASS")
        x += std::string("    <") + elementFor(test.result) + attribute("type", test.result) +
             attribute("message", reasonOf(test)) + "/>\n";
    if (!test.events.empty()) {
        x += "    <system-out>";
        for (const EventRecord& event : test.events)
            x += xmlEscape(std::string(event.isError ? "error " : "warning ") + eventText(event)) + "&#10;";
        x += "</system-out>\n";
    }
    return x + "  </testcase>\n";
}

}  // namespace

std::string toJUnitXml(const RunRecord& run) {
    long long total = 0;
    for (const TestRecord& test : run.tests) total += test.milliseconds;
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    x += "<testsuite" + attribute("name", run.module) + attribute("tests", std::to_string(run.tests.size())) +
         attribute("failures", count(run, "FAIL")) + attribute("errors", count(run, "INTERNALERROR")) +
         attribute("skipped", count(run, "USERABORTED")) + attribute("time", secondsText(total)) + ">\n";
    x += "  <properties>\n    <property" + attribute("name", "version") + attribute("value", run.version) +
         "/>\n    <property" + attribute("name", "language") + attribute("value", run.language) +
         "/>\n  </properties>\n";
    for (const TestRecord& test : run.tests) x += testCase(run, test);
    if (!run.moduleErrors.empty()) {
        x += "  <system-err>";
        for (const std::string& error : run.moduleErrors) x += xmlEscape(error) + "&#10;";
        x += "</system-err>\n";
    }
    return x + "</testsuite>\n";
}

}  // namespace vemo5
