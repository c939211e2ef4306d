#include "Report.h"
#include "ReportEscape.h"

namespace vemo5 {
namespace {

std::string quoted(const std::string& text) { return "\"" + jsonEscape(text) + "\""; }

// `[a, b]` with each item written by `write`, one per line at `indent`.
template <typename Items, typename Write>
std::string array(const Items& items, const std::string& indent, Write write) {
    if (items.empty()) return "[]";
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? ",\n" : "\n") + indent + "  " + write(items[i]);
    return text + "\n" + indent + "]";
}

std::string eventJson(const EventRecord& event) {
    return "{\"event\": " + quoted(event.event) + ", \"severity\": " + quoted(event.isError ? "error" : "warning") +
           ", \"message\": " + quoted(event.message) + ", \"code\": " + std::to_string(event.code) + "}";
}

std::string testJson(const TestRecord& test) {
    const std::string in = "      ";
    std::string j = "{\n";
    j += in + "\"name\": " + quoted(test.name) + ",\n";
    j += in + "\"result\": " + quoted(test.result) + ",\n";
    j += in + "\"durationSeconds\": " + secondsText(test.milliseconds) + ",\n";
    if (!test.exception.empty()) j += in + "\"exception\": " + quoted(test.exception) + ",\n";
    j += in + "\"parameters\": {";
    for (std::size_t p = 0; p < test.parameters.size(); ++p)
        j += (p ? ", " : "") + quoted(test.parameters[p].first) + ": " + quoted(test.parameters[p].second);
    j += "},\n";
    j += in + "\"events\": " + array(test.events, in, eventJson) + "\n    }";
    return j;
}

}  // namespace

std::string toJson(const RunRecord& run, int exitCode) {
    std::string j = "{\n";
    j += "  \"module\": " + quoted(run.module) + ",\n";
    j += "  \"version\": " + quoted(run.version) + ",\n";
    j += "  \"language\": " + quoted(run.language) + ",\n";
    j += "  \"exitCode\": " + std::to_string(exitCode) + ",\n";
    j += "  \"moduleErrors\": " + array(run.moduleErrors, "  ", quoted) + ",\n";
    j += "  \"tests\": " + array(run.tests, "  ", testJson) + "\n}\n";
    return j;
}

}  // namespace vemo5
