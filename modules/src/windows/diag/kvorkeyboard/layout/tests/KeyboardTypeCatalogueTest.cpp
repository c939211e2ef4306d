#include "layout/KeyboardTypeCatalogue.h"

#include <gtest/gtest.h>

#include <utility>

#include "registration/LocalizedStrings.h"

using kvorkeyboard::keyboardTypeDisplayName;

// The host's test double answers every text with its id. Names match
// exactly, the libraries' own misspelling included; anything else is shown
// as the library gives it.
TEST(KeyboardTypeCatalogue, TranslatesOnlyTheNamesItKnowsExactly) {
    kvorkeyboard::CreateLocalizedStrings();
    const std::pair<const char*, const char*> names[] = {
        {"Media center keyboard.", "KBMC"},
        {"Standard 104/109 key keyboard.", "KBStandard104"},
        {"S Series (Layout 1) / T Serries", "KBFujiS1"},
        {"TOUGHBOOK", "KBToughBook"},
        {"Standard 104/109 key keyboard", "Standard 104/109 key keyboard"},
        {"S Series (Layout 1) / T Series", "S Series (Layout 1) / T Series"},
        {"toughbook", "toughbook"},
    };
    for (const auto& [name, shown] : names) EXPECT_EQ(keyboardTypeDisplayName(name), kvo::String(shown)) << name;
}
