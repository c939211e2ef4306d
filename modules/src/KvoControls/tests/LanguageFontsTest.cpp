#include <gtest/gtest.h>

#include <set>
#include <string>

#include "KvoControls/LanguageFonts.h"

using kvo::controls::dialogFontFamily;

namespace {
auto installed(std::set<std::string> families) {
    return [families](const kvo::String& family) { return families.count(family.toUtf8()) > 0; };
}
}  // namespace

TEST(LanguageFonts, EastAsianLanguagesGetAFamilyWithTheirGlyphs) {
    const auto all = installed({"MS UI Gothic", "Gulim", "SimSun", "PMingLiU"});
    EXPECT_EQ(dialogFontFamily(vemo5::Language::ja(), all), kvo::String("MS UI Gothic"));
    EXPECT_EQ(dialogFontFamily(vemo5::Language::ko(), all), kvo::String("Gulim"));
    EXPECT_EQ(dialogFontFamily(vemo5::Language::zh_cn(), all), kvo::String("SimSun"));
    EXPECT_EQ(dialogFontFamily(vemo5::Language::zh_tw(), all), kvo::String("PMingLiU"));
}

TEST(LanguageFonts, MissingFamilyFallsBackToTheShellDialogFont) {
    const auto onlyGulim = installed({"Gulim"});
    EXPECT_EQ(dialogFontFamily(vemo5::Language::ja(), onlyGulim), kvo::String("MS Shell Dlg"));
    EXPECT_EQ(dialogFontFamily(vemo5::Language::ko(), onlyGulim), kvo::String("Gulim"));
}

TEST(LanguageFonts, OtherLanguagesKeepTheTemplateFont) {
    int asked = 0;
    const auto counting = [&asked](const kvo::String&) { return ++asked, true; };
    EXPECT_TRUE(dialogFontFamily(vemo5::Language::en(), counting).empty());
    EXPECT_TRUE(dialogFontFamily(vemo5::Language::de(), counting).empty());
    EXPECT_TRUE(dialogFontFamily(vemo5::Language("zh"), counting).empty());
    EXPECT_EQ(asked, 0);
}
