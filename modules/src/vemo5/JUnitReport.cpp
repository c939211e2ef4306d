#include "ObservationText.h"
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

std::string property(const std::string& name, const std::string& value, const char* indent) {
    return indent + std::string("<property") + attribute("name", name) + attribute("value", value) + "/>\n";
}

std::string joined(const std::vector<std::string>& texts) {
    std::string text;
    for (const std::string& item : texts) text += (text.empty() ? "" : ", ") + item;
    return text;
}

// The test's parameters, then the observations that fit in one value.
std::vector<std::pair<std::string, std::string>> testProperties(const TestRecord& test) {
    std::vector<std::pair<std::string, std::string>> properties = test.parameters;
    if (!test.observations) return properties;
    const Observations& o = *test.observations;
    properties.emplace_back("observations.chatterThresholdMs", std::to_string(o.chatterThresholdMs));
    properties.emplace_back("observations.chatter", chatterText(o));
    properties.emplace_back("observations.mostKeysDown",
                            std::to_string(o.mostKeysDown) + ": " + joined(o.mostKeysDownNames));
    properties.emplace_back("observations.keysDownAtEnd", joined(o.keysDownAtEnd));
    if (o.keysNotPressed) {
        std::vector<std::string> keys;
        for (const PictureKey& key : *o.keysNotPressed) keys.push_back(std::to_string(key.key) + " " + key.name);
        properties.emplace_back("observations.keysNotPressed", joined(keys));
    }
    if (!test.picturePath.empty()) properties.emplace_back("observations.picture", test.picturePath);
    return properties;
}

// Events, observations and the picture as CI servers take an attachment.
std::vector<std::string> outputLines(const TestRecord& test) {
    std::vector<std::string> lines;
    for (const EventRecord& event : test.events)
        lines.push_back(std::string(event.isError ? "error " : "warning ") + eventText(event));
    if (test.observations)
        for (std::string& line : detailLines(*test.observations)) lines.push_back(std::move(line));
    if (!test.picturePath.empty()) lines.push_back("[[ATTACHMENT|" + test.picturePath + "]]");
    return lines;
}

std::string testCase(const RunRecord& run, const TestRecord& test) {
    std::string x = "  <testcase" + attribute("classname", run.module) + attribute("name", test.name) +
                    attribute("time", secondsText(test.milliseconds)) + ">\n";
    const auto properties = testProperties(test);
    if (!properties.empty()) {
        x += "    <properties>\n";
        for (const auto& [name, value] : properties) x += property(name, value, "      ");
        x += "    </properties>\n";
    }
    if (test.result != "PASS")
        x += std::string("    <") + elementFor(test.result) + attribute("type", test.result) +
             attribute("message", reasonOf(test)) + "/>\n";
    const std::vector<std::string> lines = outputLines(test);
    if (!lines.empty()) {
        x += "    <system-out>";
        for (const std::string& line : lines) x += xmlEscape(line) + "&#10;";
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
    x += "  <properties>\n" + property("version", run.version, "    ") + property("language", run.language, "    ");
    for (const auto& [name, value] : run.machine.fields) x += property("machine." + name, value, "    ");
    for (const KeyboardDevice& device : run.machine.keyboards)
        x += property("machine.keyboard", device.deviceName, "    ");
    x += "  </properties>\n";
    for (const TestRecord& test : run.tests) x += testCase(run, test);
    if (!run.moduleErrors.empty()) {
        x += "  <system-err>";
        for (const std::string& error : run.moduleErrors) x += xmlEscape(error) + "&#10;";
        x += "</system-err>\n";
    }
    return x + "</testsuite>\n";
}

}  // namespace vemo5
