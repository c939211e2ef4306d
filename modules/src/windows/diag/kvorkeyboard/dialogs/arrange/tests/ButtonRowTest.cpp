#include <gtest/gtest.h>

#include "dialogs/arrange/ButtonRow.h"

using kvorkeyboard::ButtonBox;
using kvorkeyboard::ButtonRow;

namespace {

// The template's row as a 16-point dialog font lays it out.
const ButtonRow kTemplateRow{{{188, 302, 100, 32}, {300, 302, 100, 32}, {412, 302, 100, 32}}};

}  // namespace

namespace kvorkeyboard {
void PrintTo(const ButtonBox& b, std::ostream* os) {
    *os << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}
}  // namespace kvorkeyboard

TEST(ButtonRowTest, OnlyTheWindows2000MajorVersionKeepsTheTemplate) {
    const struct {
        unsigned major;
        bool arranges;
    } cases[] = {{4, true}, {5, false}, {6, true}, {10, true}};
    for (const auto& c : cases)
        EXPECT_EQ(kvorkeyboard::arrangesButtons(kvo::OperatingSystemMajorVersion(c.major)), c.arranges) << c.major;
}

// A wide text on a wide button needs nothing; only the texts that overflow
// their own button decide the common width.
TEST(ButtonRowTest, FittingWidthComesFromTheWidestOverflowingTextPlusAMargin) {
    const ButtonRow mixed{{{0, 0, 50, 16}, {60, 0, 80, 16}, {150, 0, 50, 16}}};
    const struct {
        kvorkeyboard::ButtonWidths ideal;
        int expected;
    } cases[] = {
        {{40, 79, 50}, 0},   // all fit, one exactly
        {{51, 60, 50}, 56},  // one pixel too wide
        {{70, 75, 60}, 75},  // Fail's 75 fits its 80 and is ignored
        {{0, 120, 0}, 125},  // a zero answer (no text) never widens
    };
    for (const auto& c : cases)
        EXPECT_EQ(kvorkeyboard::fittingWidth(mixed, c.ideal), c.expected)
            << c.ideal[0] << " " << c.ideal[1] << " " << c.ideal[2];
}

TEST(ButtonRowTest, WideningGivesEveryButtonTheWidthAndShiftsEachLeftByAllGrowthSoFar) {
    const ButtonRow expected{{{163, 302, 125, 32}, {250, 302, 125, 32}, {337, 302, 125, 32}}};
    EXPECT_EQ(kvorkeyboard::widened(kTemplateRow, 125), expected);
}

TEST(ButtonRowTest, CentringKeepsTheOuterTemplateWidthsAndLetsFailFillTheMiddle) {
    // (700 - 375 - 20) / 2 = 152
    const ButtonRow expected{{{152, 302, 100, 32}, {262, 302, 176, 32}, {448, 302, 100, 32}}};
    EXPECT_EQ(kvorkeyboard::centred(kTemplateRow, 700, 375), expected);
}

// An odd remainder and a row wider than the dialog: the margin is halved
// toward zero, so a negative one rounds up, not down.
TEST(ButtonRowTest, CentringHalvesTheMarginTowardZero) {
    EXPECT_EQ(kvorkeyboard::centred(kTemplateRow, 701, 375)[0].left, 153);
    const ButtonRow tooWide = kvorkeyboard::centred(kTemplateRow, 300, 321);  // (300 - 321 - 20) / 2 = -20
    EXPECT_EQ(tooWide[0].left, -20);
    EXPECT_EQ(tooWide[2].right(), 320);
    EXPECT_EQ(tooWide[1].left, tooWide[0].right() + 10);
    EXPECT_EQ(tooWide[1].right(), tooWide[2].left - 10);
}
