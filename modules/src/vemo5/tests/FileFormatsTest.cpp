#include <gtest/gtest.h>

#include "../KeyValueFile.h"
#include "../SettingsFile.h"
#include "../TextCatalog.h"
#include "TempFolder.h"
#include "kvo/Logging.h"

namespace vemo5 {
namespace {

TEST(SettingsFile, ReadsTheParametersSectionWithCommentsBlanksAndABom) {
    Settings settings = parseSettings("s.ini",
                                      "\xEF\xBB\xBF# operator bench 3\r\n"
                                      "; another comment\n"
                                      "\n"
                                      "[parameters]\n"
                                      "  bUseSimpleUi = yes  \n"
                                      "LayoutsPath=C:\\kbl = x\n"
                                      "szLayoutToShow =\n"
                                      "szLayoutToShow = \xC3\xA4\n");
    ASSERT_EQ("", settings.error);
    EXPECT_EQ((std::vector<std::pair<std::string, std::string>>{{"bUseSimpleUi", "yes"},
                                                                 {"LayoutsPath", "C:\\kbl = x"},
                                                                 {"szLayoutToShow", ""},
                                                                 {"szLayoutToShow", "\xC3\xA4"}}),
              settings.values);
}

TEST(SettingsFile, MalformedFilesNameFileAndLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"bUseSimpleUi = 1\n", "s.ini:1: \"bUseSimpleUi\" is not in the [parameters] section"},
        {"[parameters]\nx = 1\n[tests]\ny = 2\n", "s.ini:4: \"y\" is not in the [parameters] section"},
        {"[parameters]\njust words\n", "s.ini:2: expected name = value"},
        {"[parameters]\n= 1\n", "s.ini:2: missing name before '='"},
        {"[parameters\n", "s.ini:1: expected [section]"},
        {"[ ]\n", "s.ini:1: expected [section]"},
    };
    for (const auto& c : cases) {
        Settings settings = parseSettings("s.ini", c.text);
        EXPECT_EQ(c.error, settings.error) << c.text;
        EXPECT_TRUE(settings.values.empty()) << c.text;
    }
}

TEST(SettingsFile, AMissingFileOrAFolderCannotBeRead) {
    testing::TempFolder folder;
    EXPECT_EQ("cannot read the settings file \"" + folder.path("none.ini") + "\"",
              readSettings(folder.path("none.ini")).error);
    EXPECT_EQ("cannot read the settings file \"" + folder.path() + "\"", readSettings(folder.path()).error);
    EXPECT_EQ("", readSettings(folder.write("good.ini", "[parameters]\na = b\n")).error);
}

TEST(KeyValueFile, CatalogSyntaxKeepsSemicolonsAndBracketsAsText) {
    KeyValueText parsed = parseKeyValueText("; not a comment = x\n[x]\n# comment\nid = [a] ; b # c\n", {"#", false});
    ASSERT_EQ(2u, parsed.entries.size());
    EXPECT_EQ("; not a comment", parsed.entries[0].name);
    EXPECT_EQ("[a] ; b # c", parsed.entries[1].value);
    ASSERT_EQ(1u, parsed.problems.size());
    EXPECT_EQ(2, parsed.problems[0].line);
}

class TextCatalogTest : public ::testing::Test {
protected:
    std::vector<std::string> warnings() {
        std::vector<std::string> messages;
        for (const auto& entry : m_capture.sink().entries())
            if (entry.level == 3) messages.push_back(entry.message.substr(entry.message.find(' ') + 1));
        return messages;
    }
    kvo::ScopedLogCapture m_capture{3};
    testing::TempFolder m_folder;
};

TEST_F(TextCatalogTest, FallsBackToEnglishThenToTheIdWarningOncePerId) {
    m_folder.write("en.txt", "msgPass = Pass\nmsgFail = Fail\nmsgMulti = one\\ntwo\\\\n\\t\n");
    m_folder.write("de.txt", "# Deutsch\nmsgPass = Bestanden\n");
    TextCatalog catalog;
    catalog.load(m_folder.path(), "de");
    EXPECT_EQ("Bestanden", catalog.text("msgPass"));
    EXPECT_EQ("Fail", catalog.text("msgFail"));
    EXPECT_EQ("Fail", catalog.text("msgFail"));
    EXPECT_EQ("keyF13", catalog.text("keyF13"));
    EXPECT_EQ("keyF13", catalog.text("keyF13"));
    EXPECT_EQ("one\ntwo\\n\t", catalog.text("msgMulti"));
    EXPECT_EQ((std::vector<std::string>{"Text \"msgFail\" is missing for language de; using English",
                                        "Text \"keyF13\" is missing; showing its id",
                                        "Text \"msgMulti\" is missing for language de; using English"}),
              warnings());
}

TEST_F(TextCatalogTest, BeforeAnyLoadEveryTextIsItsIdWithoutAWarning) {
    EXPECT_EQ("msgPass", TextCatalog().text("msgPass"));
    EXPECT_TRUE(warnings().empty());
}

TEST_F(TextCatalogTest, AMissingCatalogAndBadLinesAreLoggedAndSkipped) {
    m_folder.write("en.txt", "msgPass = Pass\nbroken line\nmsgPass = Passed\n");
    TextCatalog catalog;
    catalog.load(m_folder.path(), "fr");
    EXPECT_EQ("Passed", catalog.text("msgPass"));
    std::vector<std::string> logged = warnings();
    ASSERT_EQ(4u, logged.size());  // the last: the missing text, as in the test above
    EXPECT_EQ(m_folder.path() + "/en.txt:2: expected name = value; line skipped", logged[0]);
    EXPECT_EQ(m_folder.path() + "/en.txt:3: \"msgPass\" given again; the later text wins", logged[1]);
    EXPECT_EQ("Cannot read the text catalog " + m_folder.path() + "/fr.txt", logged[2]);
}

}  // namespace
}  // namespace vemo5
