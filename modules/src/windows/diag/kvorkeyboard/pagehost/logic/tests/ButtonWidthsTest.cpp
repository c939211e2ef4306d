#include "pagehost/logic/ButtonWidths.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;

// Pass, Fail and Cancel as the frame's template places them at 1.5 pixels a
// unit. A text as wide as its button fits; the widest of the rest decides,
// and every button grows leftwards by its own shortfall so that the row
// keeps its right edge and its gaps.
TEST(ButtonWidthsTest, TheWidestTooNarrowTextWidensAllButtonsLeftwards) {
    EXPECT_FALSE(widenToFit({{504, 75, 40}, {588, 75, 75}, {672, 75, 60}}).has_value());
    const auto widened = widenToFit({{504, 75, 40}, {588, 75, 100}, {672, 75, 60}});
    ASSERT_TRUE(widened.has_value());
    EXPECT_EQ(widened->width, 105);
    EXPECT_EQ(widened->lefts, (std::vector<int>{414, 528, 642}));
    const auto uneven = widenToFit({{0, 50, 10}, {60, 70, 90}});
    ASSERT_TRUE(uneven.has_value());
    EXPECT_EQ(uneven->lefts, (std::vector<int>{0 - 25 - 45, 60 - 25}));
}
