#pragma once
// The host's command line. Test names are checked against the registered
// tests; parameter names wait until the module has created its parameters.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vemo5 {

struct Options {
    // Ordered by precedence: --help beats --version beats --list beats a run.
    enum class Action { Run, List, Version, Help };
    Action action = Action::Run;
    std::vector<std::string> tests;                           // --test, in the order given
    std::vector<std::pair<std::string, std::string>> params;  // --param NAME=VALUE, in order
    std::optional<std::string> settingsFile;
    std::string language = "en";
    std::optional<std::string> textsFolder;
    std::string resultsFolder = ".";
    std::optional<std::string> logFile;
    std::optional<int> logLevel;
    std::optional<double> stopAfterSeconds;
    std::optional<std::string> stopFile;
    bool deviceWithoutKeyboard = false;
    unsigned chatterMs = 30;
    bool failOnChatter = false;
};

struct ParsedCommandLine {
    Options options;
    std::string error;  // one line naming the first bad argument, printably; empty when the line is good
};

// `arguments` are the user's, without the module identity. An option's value
// follows it (`--test NAME`) or is joined with '=' (`--test=NAME`).
// `testNames` are the names --test accepts.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments,
                                   const std::vector<std::string>& testNames);

std::string usageText(const std::string& program);

}  // namespace vemo5
