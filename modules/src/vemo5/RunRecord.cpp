#include "RunRecord.h"

#include <algorithm>
#include <cstdio>

namespace vemo5 {
namespace {

bool any(const RunRecord& run, const char* result) {
    return std::any_of(run.tests.begin(), run.tests.end(), [result](const TestRecord& t) { return t.result == result; });
}

}  // namespace

int exitCodeOf(const RunRecord& run) {
    if (!run.moduleErrors.empty() || any(run, "INTERNALERROR")) return exitcode::kInternalError;
    if (any(run, "FAIL")) return exitcode::kTestFailed;
    if (any(run, "USERABORTED")) return exitcode::kTestAborted;
    return exitcode::kAllPassed;
}

std::string eventText(const EventRecord& event) {
    return event.event + ": " + event.message + " (" + std::to_string(event.code) + ")";
}

std::string reasonOf(const TestRecord& test) {
    if (!test.exception.empty()) return test.exception;
    if (!test.overruledBecause.empty()) return test.overruledBecause;
    for (const EventRecord& event : test.events)
        if (event.isError) return eventText(event);
    if (test.result == "USERABORTED") return "aborted by the operator";
    if (test.result == "FAIL") return "the test failed";
    return "the test reported an internal error";
}

std::string summaryLine(const TestRecord& test) {
    std::string line = test.result + " " + test.name + " " + secondsText(test.milliseconds) + " s";
    if (test.result == "PASS") return line;
    std::string why = reasonOf(test);
    std::replace_if(why.begin(), why.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line + ": " + why;
}

std::string secondsText(long long milliseconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld.%03lld", milliseconds / 1000, milliseconds % 1000);
    return buffer;
}

}  // namespace vemo5
