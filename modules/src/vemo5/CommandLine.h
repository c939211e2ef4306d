#pragma once
// The host's command line, read without looking at what the module
// registered: names of tests and parameters are checked later.
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
    std::string error;  // one line naming the culprit; empty when the line is good
};

// `arguments` are the user's, without the module identity. An option's value
// follows it (`--test NAME`) or is joined with '=' (`--test=NAME`).
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText(const std::string& program);

}  // namespace vemo5
