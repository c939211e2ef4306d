#include "chooser/logic/ButtonWidths.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;

namespace {

// Pass, Fail and Cancel as the frame's template places them at 1.5 pixels a unit.
std::vector<ButtonFit> row(int passIdeal, int failIdeal, int cancelIdeal) {
    return {{504, 75, passIdeal}, {588, 75, failIdeal}, {672, 75, cancelIdeal}};
}

}  // namespace

// An ideal width equal to the button fits; the widest of the rest decides.
TEST(ButtonWidthsTest, TextsThatFitLeaveTheRowAloneAndTheWidestTooNarrowOneDecides) {
    EXPECT_FALSE(widenToFit(row(40, 75, 60)).has_value());
    const auto widened = widenToFit(row(90, 80, 120));
    ASSERT_TRUE(widened.has_value());
    EXPECT_EQ(widened->width, 125);
}

TEST(ButtonWidthsTest, OneLongTextWidensAllThreeAndKeepsRightEdgeAndGaps) {
    const auto widened = widenToFit(row(40, 100, 60));
    ASSERT_TRUE(widened.has_value());
    EXPECT_EQ(widened->width, 105);
    // Each button grows by 30: Cancel moves 30 left, Fail 60, Pass 90.
    EXPECT_EQ(widened->lefts, (std::vector<int>{414, 528, 642}));
    EXPECT_EQ(widened->lefts[2] + widened->width, 672 + 75) << "right edge kept";
    EXPECT_EQ(widened->lefts[2] - (widened->lefts[1] + widened->width), 672 - (588 + 75)) << "gap kept";
}

TEST(ButtonWidthsTest, UnevenButtonsEachGrowByTheirOwnShortfall) {
    const auto widened = widenToFit({{0, 50, 10}, {60, 70, 90}});
    ASSERT_TRUE(widened.has_value());
    EXPECT_EQ(widened->width, 95);
    EXPECT_EQ(widened->lefts, (std::vector<int>{0 - 25 - 45, 60 - 25}));
}
