#include "layout/KeyboardTypeCatalogue.h"

#include <gtest/gtest.h>

#include <utility>

#include "frame/LocalizedStrings.h"

using kvorkeyboard::keyboardTypeDisplayName;

namespace {

class KeyboardTypeCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { kvorkeyboard::CreateLocalizedStrings(); }
};

// The host's test double answers every text with its id, so a translated
// name shows up as the id of the text it was translated with.
TEST_F(KeyboardTypeCatalogue, TranslatesTheFifteenKnownNames) {
    const std::pair<const char*, const char*> known[] = {
        {"Media center keyboard.", "KBMC"},
        {"USB 99 key keyboard.", "KBUSBF99"},
        {"Standard 101 enhanced keyboard.", "KBStandard101"},
        {"Standard 104/109 key keyboard.", "KBStandard104"},
        {"Standard 106 key keyboard.", "KBStandard106"},
        {"B Series (Layout 1)", "KBFujiB1"},
        {"B Series (Layout 2)", "KBFujiB2"},
        {"C Series / E Series (Layout 1) / Other Fujitsu Keyboard", "KBFujiC"},
        {"E Series (Layout 2)", "KBFujiE"},
        {"N Series", "KBFujiN"},
        {"P Series (Layout 1)", "KBFujiP1"},
        {"P Series (Layout 2)", "KBFujiP2"},
        {"S Series (Layout 1) / T Serries", "KBFujiS1"},
        {"S Series (Layout 2)", "KBFujiS2"},
        {"TOUGHBOOK", "KBToughBook"},
    };
    for (const auto& [english, textId] : known)
        EXPECT_EQ(keyboardTypeDisplayName(english), kvo::String(textId)) << english;
}

TEST_F(KeyboardTypeCatalogue, LeavesNearMissesAndUnknownNamesAsTheLibraryGivesThem) {
    const char* const unchanged[] = {
        "Standard 104/109 key keyboard",         // without the full stop
        "N Series.",                             // with one the catalogue lacks
        "S Series (Layout 1) / T Series",        // the correct spelling is not the catalogue's
        "toughbook",                             // case matters
        " TOUGHBOOK",
        "Std104Kbd.kbl",                         // a file name standing in for a missing name
        "",
    };
    for (const char* name : unchanged)
        EXPECT_EQ(keyboardTypeDisplayName(name), kvo::String(name)) << name;
}

}  // namespace
