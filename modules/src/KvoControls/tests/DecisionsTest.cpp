// Where a picture goes in its box, and which font family a language gets.
#include <gtest/gtest.h>

#include <set>

#include "KvoControls/ImageFit.h"
#include "KvoControls/LanguageFonts.h"

TEST(ImageFit, KeepsTheAspectAndCentresInTheSpareDirection) {
    const struct { int imageWidth, imageHeight, boxWidth, boxHeight; kvo::controls::FitRect expected; } cases[] = {
        {20, 10, 120, 40, {20, 0, 80, 40}},  // wide box: height limits, centred across
        {20, 10, 40, 120, {0, 50, 40, 20}},  // tall box: width limits, centred down
        {100, 50, 50, 25, {0, 0, 50, 25}},   // shrinks to the same aspect
        {3, 2, 10, 10, {0, 1, 10, 7}},       // 6.67 rounds to 7; the odd pixel goes below
        {1, 1000, 10, 10, {5, 0, 0, 10}},    // a sliver may round to nothing
        {0, 10, 100, -5, {0, 0, 0, 0}},      // nothing without area
    };
    for (const auto& c : cases)
        EXPECT_EQ(kvo::controls::fitImage(c.imageWidth, c.imageHeight, c.boxWidth, c.boxHeight), c.expected)
            << c.imageWidth << "x" << c.imageHeight << " in " << c.boxWidth << "x" << c.boxHeight;
}

// East Asian languages get a family with their glyphs, or the shell dialog
// font when it is missing; other languages keep the template's font unasked.
TEST(LanguageFonts, EastAsianLanguagesGetAFamilyWithTheirGlyphs) {
    std::set<std::string> installed{"MS UI Gothic", "Gulim", "SimSun", "PMingLiU"}, asked;
    const auto isInstalled = [&](const kvo::String& family) {
        return asked.insert(family.toUtf8()), installed.count(family.toUtf8()) > 0;
    };
    std::string families;
    for (const auto& language : {vemo5::Language::ja(), vemo5::Language::ko(), vemo5::Language::zh_cn(),
                                 vemo5::Language::zh_tw(), vemo5::Language("en"), vemo5::Language("zh")})
        families += kvo::controls::dialogFontFamily(language, isInstalled).toUtf8() + ";";
    EXPECT_EQ(families, "MS UI Gothic;Gulim;SimSun;PMingLiU;;;");
    EXPECT_EQ(asked, installed);
    installed = {"Gulim"};
    EXPECT_EQ(kvo::controls::dialogFontFamily(vemo5::Language::ja(), isInstalled), kvo::String("MS Shell Dlg"));
}
