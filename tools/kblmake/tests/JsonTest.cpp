#include "Json.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace kblmake;

namespace {

TEST(Json, ReadsValuesWithTheirPlaces) {
    const JsonValue root = parseJson("\xEF\xBB\xBF[\n  {\"name\": \"K\\u00e4se \\ud83d\\ude00\", \"w\": -1.5e1},\n"
                                     "  [\"A\\n#1E\", true, null]\n]");
    ASSERT_EQ(root.kind, JsonValue::Kind::Array);
    const JsonValue& meta = root.items[0];
    EXPECT_EQ(meta.member("name")->text, "K\xC3\xA4se \xF0\x9F\x98\x80");
    EXPECT_EQ(meta.member("w")->number, -15);
    EXPECT_EQ(meta.member("missing"), nullptr);
    const JsonValue& key = root.items[1].items[0];
    EXPECT_EQ(std::make_tuple(key.text, key.at.line, key.at.column), std::make_tuple("A\n#1E", 3, 4));
    EXPECT_EQ(root.items[1].items[1].boolean, true);
}

// Whatever the file holds, the reader ends with a message at the place of
// the problem; columns count characters, so "é" before it counts once.
TEST(Json, RefusesBrokenAndHostileDocumentsWithThePlace) {
    struct Case {
        std::string text;
        int line, column;
        const char* says;
    };
    const Case cases[] = {
        {"", 1, 1, "ends where a value"},
        {"[\"a\", ]", 1, 7, "where a value"},
        {"[\"a\"\n \"b\"]", 2, 2, "expected ']'"},
        {"{name: 1}", 1, 2, "quoted property name"},
        {"[\"é\", tru]", 1, 7, "unexpected"},
        {"[\"abc", 1, 6, "ends inside a string"},
        {"[\"a\tb\"]", 1, 4, "raw control character"},
        {"[\"\\x\"]", 1, 5, "unknown escape"},
        {"[\"\\ud800\"]", 1, 9, "low surrogate"},
        {"[\"\xC0\xAF\"]", 1, 3, "invalid UTF-8"},
        {"[1e400]", 1, 7, "out of range"},
        {"[] []", 1, 4, "after the end"},
        {std::string(100, '['), 1, 65, "nested deeper"},
        {std::string(kMaxJsonBytes + 1, ' '), 1, 1, "not a keyboard drawing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 80));
        try {
            parseJson(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const JsonError& e) {
            EXPECT_EQ(std::make_pair(e.at().line, e.at().column), std::make_pair(c.line, c.column));
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

}  // namespace
