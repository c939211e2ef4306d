// Reading a drawing and checking it: which legend line is its identifier, and
// which technician's mistakes are caught, each naming the key or the field.
// Where each key lands is pinned by the earlier pictures (LibraryImageTest).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "KleLayout.h"
#include "LayoutChecks.h"

using namespace kblmake;

namespace {

KlePicture read(const std::string& json, Diagnostics& diagnostics) {
    return readKleLayout(parseJson(json), diagnostics);
}

// The messages for one drawing, read and checked as kblmake does.
std::vector<Diagnostic> problems(const std::string& json) {
    Diagnostics diagnostics;
    const KlePicture picture = read(json, diagnostics);
    checkName(picture, diagnostics);
    checkKeys(picture, diagnostics);
    return diagnostics.list();
}

// With no name, a drawing whose first object names no keyboard.
std::string drawing(const std::string& rows, const std::string& name = "Test keyboard") {
    return "[{" + (name.empty() ? "\"author\": \"me\"" : "\"name\": \"" + name + "\"") + "}, " + rows + "]";
}

// A maker's drawing has legends and no identifiers: sides come from the
// space bar, keypad keys are the second of their name from the left.
TEST(Drawing, NamesKeysByTheirLegends) {
    Diagnostics diagnostics;
    const KlePicture picture = read(drawing(R"(["~\n`", "!\n1", "\u00a3\n3", "Num\nLock", "7\nHome", "1\nEnd",
        ".\nDel"],
        ["Shift", "|\n\\", {"w": 6}, "", "Alt", "AltGr", "Shift", "|\n\\", "Enter", "Return", "Fn"])"),
                                    diagnostics);
    std::vector<int> ids;
    for (const KleKey& key : picture.keys) ids.push_back(key.id);
    EXPECT_EQ(ids, (std::vector<int>{0x29, 0x02, 0x04, 0x145, 0x08, 0x4F, 0x34, 0x2A, 0x56, 0x39, 0x138, 0x138, 0x36,
                                     0x2B, 0x1C, 0x11C}));
    ASSERT_EQ(diagnostics.list().size(), 1u);
    EXPECT_NE(diagnostics.list()[0].message.find("(\"Fn\"): needs its identifier"), std::string::npos);
}

// Each mistake is reported with its severity, at the key's place in the
// file, naming the key; a clean drawing has nothing to say.
TEST(Drawing, CatchesTheTechniciansMistakes) {
    EXPECT_TRUE(problems(drawing(R"(["A\n#1E", "Enter\n#11C", "Hangul\n#F2", "Odd\n#90!", {"d": true}, "Fn\n#1104"])",
                                 "Standard 104/109 key keyboard.")).empty());
    struct Case {
        const char* rows;
        int column;  // on line 1
        const char* says;
        std::string name = "Test keyboard";
        Severity severity = Severity::Error;
    };
    const Case cases[] = {
        {R"(["Fn", "B\n#30"])", 30, "row 1, key 1 (\"Fn\"): needs its identifier"},
        {R"(["A\n#1E\n#1F", "B\n#30"])", 30, "not 2"},
        {R"(["A\n#1E", {"d": true}, "Label\n#30"])", 53, "#1104"},
        {R"(["A\n#1E", "B\n#1E"])", 40,
         "key 2 (\"B\", #1E): identifier #1E is already used by row 1, key 1 (\"A\", #1E)"},
        {R"(["A\n#1E", "Big\n#200!"])", 40, "above #1FF"},
        {R"(["A\n#1E", "Odd\n#90"])", 40, "write \"#90!\""},
        {R"(["A\n#1E", {"r": 15}, "B\n#30"])", 51, "(\"B\", #30): is rotated"},
        {R"([{"x": -0.5}, "A\n#1E", "B\n#30"])", 43, "outside the picture"},
        {R"(["A\n#1E", {"x": 120}, "B\n#30"])", 52, "100 units"},
        {R"(["A\n#1E", {"x": -0.5}, "B\n#30"])", 53, "key 2 (\"B\", #30): overlaps row 1, key 1 (\"A\", #1E)"},
        {R"(["<b>A</b>\n#1E", "B\n#30"])", 30, "\"<b>A</b>\" is markup"},
        {R"(["A\n#1E", "&uarr;\n#148"])", 40, "\"&uarr;\" is markup"},
        {R"(["A\n#1E", {"w": 0}, "B\n#30"])", 46, "\"w\" must be"},
        {R"([{"d": true}, "Fn\n#1104"])", 1, "no keys"},
        {R"(["A\n#1E"])", 2, "needs a \"name\"", ""},
        {R"(["A\n#1E"])", 11, "is 64 characters long; the layout test shows only the first 63",
         std::string(60, 'x') + "\u00e9\u00e9\u00e9\u00e9"},
        {R"(["A\n#1E"])", 11,
         "did you mean \"Standard 104/109 key keyboard.\"? Names must match exactly: "
         "\"Standard 104/109 key keyboard.\" ends with a full stop",
         "Standard 104/109 key keyboard", Severity::Warning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        const std::vector<Diagnostic> found = problems(drawing(c.rows, c.name));
        ASSERT_EQ(found.size(), 1u) << (found.empty() ? "nothing" : found[1].message);
        EXPECT_EQ(found[0].severity, c.severity);
        EXPECT_EQ(std::make_pair(found[0].at.line, found[0].at.column), std::make_pair(1, c.column));
        EXPECT_NE(found[0].message.find(c.says), std::string::npos) << found[0].message;
    }
}

TEST(Drawing, ALanguagesPictureHoldsTheEnglishKeys) {
    Diagnostics diagnostics;
    const KlePicture english = read(drawing(R"(["Y\n#15", "Z\n#2C"])"), diagnostics);
    const KlePicture german = read(drawing(R"(["Z\n#15", "Y\n#2D"])"), diagnostics);
    checkSameKeys(english, german, diagnostics);
    ASSERT_EQ(diagnostics.list().size(), 2u);
    EXPECT_EQ(diagnostics.list()[0].message, "row 1, key 2 (\"Y\", #2D): the English picture has no key #2D");
    EXPECT_EQ(diagnostics.list()[1].message,
              "the English picture's row 1, key 2 (\"Z\", #2C) is missing from this picture");
}

}  // namespace
