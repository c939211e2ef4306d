// The catalogs shipped beside the module, checked as the host will read them:
// every registered text and every test name has exactly one line in each
// language, so nothing falls back to English or to its id at a bench abroad;
// the texts decode as UTF-8; and every translation names the same Alt
// shortcuts as English, since those letters are what the dialogs react to.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/LocalizedStrings.h"
#include "kvo/String.h"

namespace kvorkeyboard {
namespace {

const char* const kLanguages[] = {"en", "de", "fr", "ja", "ko", "zh_cn", "zh_tw"};

struct Line {
    std::string id;
    std::string text;
};

std::vector<Line> linesOf(const std::string& language) {
    std::ifstream in(std::string(KVORKEYBOARD_TEXTS_DIR) + "/" + language + ".txt", std::ios::binary);
    std::vector<Line> lines;
    for (std::string line; std::getline(in, line);) {
        std::size_t equals = line.find(" = ");
        if (!line.empty() && line[0] != '#' && equals != std::string::npos)
            lines.push_back({line.substr(0, equals), line.substr(equals + 3)});
    }
    return lines;
}

std::set<std::string> requiredIds() {
    std::set<std::string> required = {"KeyboardInteractiveTest", "KeyboardLayoutTest", "SimpleKeyboardTest",
                                      "MediaCenterKeyboardTest"};
    for (int i = 0; i < kTextCount; ++i) required.insert(textIdName(static_cast<TextId>(i)));
    return required;
}

// The shortcut letters a text tells the operator to press ("Alt+F", not "Alt+Fin").
std::string shortcutsIn(const std::string& text) {
    std::string letters;
    for (std::size_t at = text.find("Alt+"); at != std::string::npos; at = text.find("Alt+", at + 1)) {
        char letter = at + 4 < text.size() ? text[at + 4] : '\0';
        char after = at + 5 < text.size() ? text[at + 5] : '\0';
        bool word = (after >= 'a' && after <= 'z') || (after >= 'A' && after <= 'Z');
        if (std::string("PFXS").find(letter) != std::string::npos && !word) letters += letter;
    }
    return letters;
}

TEST(TextCatalogCoverage, EachCatalogHasEveryIdOnceAndNoOthers) {
    const std::set<std::string> required = requiredIds();
    ASSERT_EQ(133u, required.size());
    for (const char* language : kLanguages) {
        std::vector<Line> lines = linesOf(language);
        std::set<std::string> seen;
        for (const Line& line : lines) {
            EXPECT_TRUE(seen.insert(line.id).second) << language << " gives " << line.id << " twice";
            EXPECT_EQ(1u, required.count(line.id)) << language << " has " << line.id << ", which nobody asks for";
        }
        for (const std::string& id : required) EXPECT_EQ(1u, seen.count(id)) << language << " lacks " << id;
    }
}

TEST(TextCatalogCoverage, TextsAreNonEmptyUtf8AndKeepTheEnglishShortcuts) {
    std::map<std::string, std::string> english;
    for (const Line& line : linesOf("en")) english[line.id] = line.text;
    for (const char* language : kLanguages) {
        for (const Line& line : linesOf(language)) {
            EXPECT_FALSE(line.text.empty()) << language << " " << line.id;
            // A malformed sequence would come back as U+FFFD.
            EXPECT_EQ(line.text, kvo::String(line.text).toUtf8()) << language << " " << line.id;
            EXPECT_EQ(shortcutsIn(english[line.id]), shortcutsIn(line.text)) << language << " " << line.id;
        }
    }
}

// One text per script, as the dialogs receive it: proves the files are read
// as bytes and decoded to UTF-16, not through the system's code page.
TEST(TextCatalogCoverage, TextsDecodeToTheCharactersWritten) {
    struct Sample {
        const char* language;
        const char* id;
        const kvo::UCS2Char* text;
    };
    const Sample samples[] = {
        {"fr", "keyEsc", KVO_U("Échap")},
        {"ja", "keyConversion", KVO_U("変換")},
        {"ko", "keyKoreanHangulEnglish", KVO_U("한/영")},
        {"zh_cn", "msgPassNoShortcut", KVO_U("通过")},
        {"zh_tw", "msgPassNoShortcut", KVO_U("通過")},
    };
    for (const Sample& sample : samples) {
        std::string found;
        for (const Line& line : linesOf(sample.language))
            if (line.id == sample.id) found = line.text;
        EXPECT_TRUE(kvo::String(found) == kvo::String(sample.text)) << sample.language << " " << sample.id;
    }
}

}  // namespace
}  // namespace kvorkeyboard
