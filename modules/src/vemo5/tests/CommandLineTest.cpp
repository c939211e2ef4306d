#include <gtest/gtest.h>

#include "../CommandLine.h"

namespace vemo5 {
namespace {

TEST(CommandLine, ReadsEveryOptionInBothSpellings) {
    ParsedCommandLine parsed = parseCommandLine(
        {"--test", "A", "--test=B", "--param", "x=1", "--param=y=a=b", "--settings", "s.ini", "--language=zh_tw",
         "--texts", "t", "--results", "r", "--log", "l.txt", "--log-level", "1", "--stop-after", "2.5",
         "--stop-file", "stop", "--device-without-keyboard"});
    ASSERT_EQ("", parsed.error);
    const Options& o = parsed.options;
    EXPECT_EQ(Options::Action::Run, o.action);
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), o.tests);
    ASSERT_EQ(2u, o.params.size());
    EXPECT_EQ((std::pair<std::string, std::string>("y", "a=b")), o.params[1]);
    EXPECT_EQ("s.ini", *o.settingsFile);
    EXPECT_EQ("zh_tw", o.language);
    EXPECT_EQ("t", *o.textsFolder);
    EXPECT_EQ("r", o.resultsFolder);
    EXPECT_EQ("l.txt", *o.logFile);
    EXPECT_EQ(1, *o.logLevel);
    EXPECT_DOUBLE_EQ(2.5, *o.stopAfterSeconds);
    EXPECT_EQ("stop", *o.stopFile);
    EXPECT_TRUE(o.deviceWithoutKeyboard);
}

TEST(CommandLine, DefaultsAndActionPrecedence) {
    Options o = parseCommandLine({}).options;
    EXPECT_EQ(Options::Action::Run, o.action);
    EXPECT_EQ("en", o.language);
    EXPECT_EQ(".", o.resultsFolder);
    EXPECT_FALSE(o.textsFolder || o.settingsFile || o.logFile || o.logLevel || o.stopAfterSeconds || o.stopFile);

    EXPECT_EQ(Options::Action::List, parseCommandLine({"--list"}).options.action);
    EXPECT_EQ(Options::Action::Version, parseCommandLine({"--list", "--version"}).options.action);
    EXPECT_EQ(Options::Action::Help, parseCommandLine({"--help", "--version", "--list"}).options.action);
}

TEST(CommandLine, EachBadInputIsNamedInOneLine) {
    const struct {
        std::vector<std::string> arguments;
        const char* expected;
    } cases[] = {
        {{"--bogus"}, "unknown option \"--bogus\""},
        {{"SimpleKeyboardTest"}, "unknown option \"SimpleKeyboardTest\""},
        {{"--test"}, "--test needs NAME"},
        {{"--list", "--param"}, "--param needs NAME=VALUE"},
        {{"--param", "novalue"}, "--param needs NAME=VALUE, got \"novalue\""},
        {{"--param", "=1"}, "--param needs NAME=VALUE, got \"=1\""},
        {{"--language", "xx"}, "unknown language \"xx\" (en, de, fr, ja, ko, zh_cn, zh_tw)"},
        {{"--language", "EN"}, "unknown language \"EN\" (en, de, fr, ja, ko, zh_cn, zh_tw)"},
        {{"--log-level", "0"}, "--log-level needs a number from 1 to 6, got \"0\""},
        {{"--log-level", "7"}, "--log-level needs a number from 1 to 6, got \"7\""},
        {{"--log-level", "2x"}, "--log-level needs a number from 1 to 6, got \"2x\""},
        {{"--log-level="}, "--log-level needs a number from 1 to 6, got \"\""},
        {{"--stop-after", "-1"}, "--stop-after needs a number of seconds, got \"-1\""},
        {{"--stop-after", "soon"}, "--stop-after needs a number of seconds, got \"soon\""},
        {{"--stop-after", "inf"}, "--stop-after needs a number of seconds, got \"inf\""},
        {{"--help=yes"}, "--help takes no value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        EXPECT_EQ(c.expected, parseCommandLine(c.arguments).error);
    }
}

// The option lines come from the option table; what matters is their layout.
TEST(CommandLine, UsageAlignsEachOptionsHelpAndNamesTheExitCodes) {
    const std::string usage = usageText("kvorkeyboard.mlx");
    EXPECT_EQ(0u, usage.find("Usage: kvorkeyboard.mlx [options]\n"));
    EXPECT_NE(std::string::npos, usage.find("\n  --param NAME=VALUE" + std::string(9, ' ') + "set a parameter"));
    EXPECT_NE(std::string::npos, usage.find("\n  --device-without-keyboard  the device"));
    EXPECT_NE(std::string::npos, usage.find("64 usage error"));
}

}  // namespace
}  // namespace vemo5
