#include "CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "TextUtil.h"

namespace vemo5 {
namespace {

using Names = std::vector<std::string>;
// `testNames` are the registered tests, so that a bad name is found where it
// stands on the line and the first bad argument is the one named.
using Apply = std::string (*)(Options&, const std::string& value, const Names& testNames);

struct OptionRule {
    const char* name;
    const char* argument;  // null for an option without a value
    const char* help;
    Apply apply;           // returns the problem with the value, or empty
};

const char* const kLanguages[] = {"en", "de", "fr", "ja", "ko", "zh_cn", "zh_tw"};

template <Options::Action action>
std::string setAction(Options& o, const std::string&, const Names&) {
    if (action > o.action) o.action = action;
    return std::string();
}

template <auto member>
std::string store(Options& o, const std::string& value, const Names&) {
    o.*member = value;
    return std::string();
}

std::string setLanguage(Options& o, const std::string& code, const Names&) {
    for (const char* known : kLanguages)
        if (code == known) {
            o.language = code;
            return std::string();
        }
    return "unknown language " + quote(code) + " (en, de, fr, ja, ko, zh_cn, zh_tw)";
}

std::string addTest(Options& o, const std::string& name, const Names& testNames) {
    if (std::find(testNames.begin(), testNames.end(), name) == testNames.end()) return "unknown test " + quote(name);
    o.tests.push_back(name);
    return std::string();
}

std::string setParam(Options& o, const std::string& assignment, const Names&) {
    std::size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) return "--param needs NAME=VALUE, got " + quote(assignment);
    o.params.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
    return std::string();
}

std::string setLogLevel(Options& o, const std::string& text, const Names&) {
    errno = 0;
    char* end = nullptr;
    long level = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || errno != 0 || *end != '\0' || level < 1 || level > 6)
        return "--log-level needs a number from 1 to 6, got " + quote(text);
    o.logLevel = static_cast<int>(level);
    return std::string();
}

std::string setStopAfter(Options& o, const std::string& text, const Names&) {
    errno = 0;
    char* end = nullptr;
    double seconds = text.empty() || text[0] == '-' ? -1.0 : std::strtod(text.c_str(), &end);
    if (seconds < 0 || errno != 0 || *end != '\0' || !std::isfinite(seconds))
        return "--stop-after needs a number of seconds, got " + quote(text);
    o.stopAfterSeconds = seconds;
    return std::string();
}

std::string setChatterMs(Options& o, const std::string& text, const Names&) {
    errno = 0;
    char* end = nullptr;
    long ms = text.empty() || text[0] == '-' ? -1 : std::strtol(text.c_str(), &end, 10);
    if (ms < 1 || ms > 1000 || errno != 0 || *end != '\0')
        return "--chatter-ms needs a number from 1 to 1000, got " + quote(text);
    o.chatterMs = static_cast<unsigned>(ms);
    return std::string();
}

const OptionRule kRules[] = {
    {"--help", nullptr, "this text", setAction<Options::Action::Help>},
    {"--version", nullptr, "the module's version",
     setAction<Options::Action::Version>},
    {"--list", nullptr, "tests with their parameters, all parameters, events; runs no test",
     setAction<Options::Action::List>},
    {"--test", "NAME", "run this test (repeatable; default: every test, in registration order)", addTest},
    {"--param", "NAME=VALUE", "set a parameter (repeatable; overrides the settings file)", setParam},
    {"--settings", "FILE", "read parameters from the [parameters] section of FILE",
     store<&Options::settingsFile>},
    {"--language", "CODE", "en, de, fr, ja, ko, zh_cn or zh_tw (default en)", setLanguage},
    {"--texts", "DIR", "text catalogs <DIR>/<CODE>.txt (default: texts beside the program)",
     store<&Options::textsFolder>},
    {"--results", "DIR", "where results.json and results.xml go (default: current folder)",
     store<&Options::resultsFolder>},
    {"--log", "FILE", "append the log to FILE",
     store<&Options::logFile>},
    {"--log-level", "N", "lowest level logged, 1 (details) to 6 (nothing); default 3", setLogLevel},
    {"--stop-after", "SECONDS", "ask the running test to stop SECONDS after the first test started", setStopAfter},
    {"--stop-file", "PATH", "ask the running test to stop once PATH exists",
     store<&Options::stopFile>},
    {"--device-without-keyboard", nullptr, "the device under test lacks the Keyboard capability",
     [](Options& o, const std::string&, const Names&) {
         o.deviceWithoutKeyboard = true;
         return std::string();
     }},
    {"--chatter-ms", "N", "a key pressed again sooner than N ms after its release chattered (1-1000; 30)",
     setChatterMs},
    {"--fail-on-chatter", nullptr, "a test that passed but saw a key chatter fails",
     [](Options& o, const std::string&, const Names&) {
         o.failOnChatter = true;
         return std::string();
     }},
};

const OptionRule* findRule(const std::string& name) {
    for (const OptionRule& rule : kRules)
        if (name == rule.name) return &rule;
    return nullptr;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments,
                                   const std::vector<std::string>& testNames) {
    ParsedCommandLine parsed;
    for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> joined;
        std::size_t equals = name.find('=');
        if (name.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            joined = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionRule* rule = findRule(name);
        if (rule == nullptr) {
            parsed.error = "unknown option " + quote(arguments[i]);
        } else if (rule->argument == nullptr && joined) {
            parsed.error = name + " takes no value";
        } else if (rule->argument != nullptr && !joined && i + 1 >= arguments.size()) {
            parsed.error = name + " needs " + rule->argument;
        } else {
            std::string value = rule->argument == nullptr ? std::string() : joined ? *joined : arguments[++i];
            parsed.error = rule->apply(parsed.options, value, testNames);
        }
    }
    return parsed;
}

std::string usageText(const std::string& program) {
    std::string text = "Usage: " + program + " [options]\n";
    for (const OptionRule& rule : kRules) {
        std::string left = std::string("  ") + rule.name + (rule.argument ? std::string(" ") + rule.argument : "");
        text += left + std::string(left.size() < 29 ? 29 - left.size() : 1, ' ') + rule.help + "\n";
    }
    text += "Exit codes: 0 every test passed, 1 a test failed, 2 a test was aborted (none failed),\n"
            "            3 internal error, 64 usage error, 74 the results could not be written.\n"
            "            When results mix, the worst wins: 3, then 1, then 2.\n";
    return text;
}

}  // namespace vemo5
