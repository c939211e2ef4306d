#pragma once
// What one run did: the source of the reports, the summary and the exit code.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Machine.h"
#include "vemo5/Observations.h"

namespace vemo5 {

namespace exitcode {
constexpr int kAllPassed = 0;
constexpr int kTestFailed = 1;
constexpr int kTestAborted = 2;
constexpr int kInternalError = 3;
constexpr int kUsage = 64;
constexpr int kReportNotWritten = 74;
}  // namespace exitcode

struct EventRecord {
    std::string event;
    bool isError;  // else a warning
    std::string message;
    int code;
};

struct TestRecord {
    std::string name;
    std::string result;  // "PASS", "FAIL", "USERABORTED", "INTERNALERROR"
    long long milliseconds = 0;
    std::vector<std::pair<std::string, std::string>> parameters;  // in force while it ran
    std::vector<EventRecord> events;
    std::string exception;  // why it ended without a result of its own, if it did
    std::optional<Observations> observations{};
    std::string overruledBecause{};  // why the host failed a test the module passed
    std::string picturePath{};       // where the observed picture was saved (UTF-8), if it was
};

struct RunRecord {
    std::string module;
    std::string version;
    std::string language;
    std::vector<TestRecord> tests;
    std::vector<std::string> moduleErrors;  // the init or exit callback threw
    MachineFacts machine{};
};

// The worst wins: an internal error (also in a callback) outranks a
// failure, a failure outranks an abort.
int exitCodeOf(const RunRecord& run);

// "UserClickedFail: Dialog.cpp (42)".
std::string eventText(const EventRecord& event);

// The text that best explains a result that is not a pass.
std::string reasonOf(const TestRecord& test);

// "PASS SimpleKeyboardTest 1.250 s", with the reason appended unless it passed.
std::string summaryLine(const TestRecord& test);

// Milliseconds as seconds with three decimals: "1.250".
std::string secondsText(long long milliseconds);

}  // namespace vemo5
