// The host's readers of operator input: the command line, the settings file
// and the text catalogs. Every option is read in the host's tests.
#include <gtest/gtest.h>

#include "../CommandLine.h"
#include "../SettingsFile.h"
#include "../TextCatalog.h"
#include "kvo/Logging.h"
#include "kvo/testing/TempFolder.h"

using namespace vemo5;

using namespace std::string_literals;
using Values = std::vector<std::pair<std::string, std::string>>;

const std::vector<std::string> kTests{"A", "B"};

// The first bad argument is named, with the bytes a console would act on
// (controls, bytes that are not UTF-8) shown as \xHH.
TEST(CommandLine, TheFirstBadArgumentIsNamedPrintably) {
    const struct { std::vector<std::string> arguments; std::string expected; } cases[] = {
        {{"--bogus", "--test", "C"}, "unknown option \"--bogus\""},
        {{"--test", "C", "--bogus"}, "unknown test \"C\""},
        {{"--test"}, "--test needs NAME"},
        {{"--param", "novalue"}, "--param needs NAME=VALUE, got \"novalue\""},
        {{"--log-level", "0"}, "--log-level needs a number from 1 to 6, got \"0\""},
        {{"--log-level", "7"}, "--log-level needs a number from 1 to 6, got \"7\""},
        {{"--log-level=2x"}, "--log-level needs a number from 1 to 6, got \"2x\""},
        {{"--stop-after", "-1"}, "--stop-after needs a number of seconds, got \"-1\""},
        {{"--stop-after", "inf"}, "--stop-after needs a number of seconds, got \"inf\""},
        {{"--help=yes"}, "--help takes no value"},
        {{"--chatter-ms", "0"}, "--chatter-ms needs a number from 1 to 1000, got \"0\""},
        {{"--chatter-ms=1001"}, "--chatter-ms needs a number from 1 to 1000, got \"1001\""},
        {{"--chatter-ms", "ten"}, "--chatter-ms needs a number from 1 to 1000, got \"ten\""},
        {{"--fail-on-chatter=1"}, "--fail-on-chatter takes no value"},
        {{std::string("\0--help", 7)}, "unknown option \"\\x00--help\""},
        {{"--test", "A\x1b[2J\r\x7f"}, "unknown test \"A\\x1b[2J\\x0d\\x7f\""},
        {{"--language", "d\xC3\xA4\xFF\xC2\x9B\xED\xA0\x80"},  // a UTF-16 surrogate written as UTF-8 is no text
         "unknown language \"d\xC3\xA4\\xff\\xc2\\x9b\\xed\\xa0\\x80\" (en, de, fr, ja, ko, zh_cn, zh_tw)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(c.expected, parseCommandLine(c.arguments, kTests).error);
    }
}

TEST(SettingsFile, ReadsTheParametersSectionWithCommentsBlanksAndABom) {
    Settings settings = parseSettings("s.ini", "\xEF\xBB\xBF# bench 3\r\n; comment\n\n[parameters]\n  bUseSimpleUi = yes  \n"
                                               "LayoutsPath=C:\\kbl = x\nszLayoutToShow =\nszLayoutToShow = \xC3\xA4\n");
    EXPECT_EQ((Values{{"bUseSimpleUi", "yes"}, {"LayoutsPath", "C:\\kbl = x"}, {"szLayoutToShow", ""},
                      {"szLayoutToShow", "\xC3\xA4"}}),
              settings.values);
}

// A NUL byte is no comment mark; what a message quotes is shown printably.
TEST(SettingsFile, AMalformedFileNamesItsFirstBadLine) {
    const struct { std::string text, error; } cases[] = {
        {"x = 1\n[parameters]\njust words\n", "s\\x0d.ini:1: \"x\" is not in the [parameters] section"},
        {"[parameters]\nx = 1\n[tests]\ny = 2\n= 1\n", "s\\x0d.ini:4: \"y\" is not in the [parameters] section"},
        {"[parameters]\n= 1\n", "s\\x0d.ini:2: missing name before '='"},
        {"[parameters\n", "s\\x0d.ini:1: expected [section]"},
        {"[ ]\n", "s\\x0d.ini:1: expected [section]"},
        {"[parameters]\n\0# hidden\n=\n"s, "s\\x0d.ini:2: expected name = value"},
        {"\x1b[2Jx = 1\n", "s\\x0d.ini:1: \"\\x1b[2Jx\" is not in the [parameters] section"},
    };
    for (const auto& c : cases) {
        Settings settings = parseSettings("s\r.ini", c.text);
        EXPECT_EQ(c.error, settings.error) << c.text;
        EXPECT_TRUE(settings.values.empty()) << c.text;
    }
    kvo::testing::TempFolder folder;
    EXPECT_EQ("cannot read the settings file \"" + folder.path("none.ini") + "\"",
              readSettings(folder.path("none.ini")).error);
    EXPECT_EQ("cannot read the settings file \"" + folder.path() + "\"", readSettings(folder.path()).error);
}

// Catalogs have no sections and only '#' comments; a NUL byte is no comment mark.
TEST(TextCatalog, FallsBackToEnglishThenToTheIdAndLogsEachProblemOnce) {
    kvo::ScopedLogCapture capture(3);
    const auto warnings = [&capture] {
        std::vector<std::string> messages;
        for (const auto& entry : capture.sink().entries())
            messages.push_back(entry.message.substr(entry.message.find(' ') + 1));
        return messages;
    };
    kvo::testing::TempFolder folder;
    folder.write("en.txt",
                 "msgPass = Pass\n[x]\nmsgFail = Fail\nk\x1b = 1\nk\x1b = 2\n\0# no\n; kept = [a] ; b # c\\n\\t\\\\n\n"s);
    folder.write("de.txt", "# Deutsch\nmsgPass = Bestanden\n");
    TextCatalog catalog;
    EXPECT_EQ("msgPass", catalog.text("msgPass"));  // nothing loaded yet: the id, without a warning
    catalog.load(folder.path(), "de");
    EXPECT_EQ("Bestanden", catalog.text("msgPass"));
    EXPECT_EQ("Fail", catalog.text("msgFail"));
    EXPECT_EQ("Fail", catalog.text("msgFail"));
    EXPECT_EQ("keyF13", catalog.text("keyF13"));
    EXPECT_EQ("keyF13", catalog.text("keyF13"));
    EXPECT_EQ("2", catalog.text("k\x1b"));
    EXPECT_EQ("[a] ; b # c\n\t\\n", catalog.text("; kept"));
    const std::string en = folder.path() + "/en.txt:";
    EXPECT_EQ((std::vector<std::string>{en + "2: expected name = value; line skipped",
                                        en + "6: expected name = value; line skipped",
                                        en + "5: \"k\\x1b\" given again; the later text wins",
                                        "Text \"msgFail\" is missing for language de; using English",
                                        "Text \"keyF13\" is missing; showing its id",
                                        "Text \"k\\x1b\" is missing for language de; using English",
                                        "Text \"; kept\" is missing for language de; using English"}),
              warnings());
    catalog.load(folder.path(), "fr");
    EXPECT_EQ("Cannot read the text catalog " + folder.path() + "/fr.txt", warnings().back());
}
