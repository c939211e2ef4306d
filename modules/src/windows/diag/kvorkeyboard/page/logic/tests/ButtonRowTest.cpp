#include "page/logic/ButtonRow.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;

namespace kvorkeyboard {
// Failures show the boxes, not bytes.
void PrintTo(const ButtonBox& b, std::ostream* os) {
    *os << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}
}  // namespace kvorkeyboard

namespace {

// The template's row as a 16-point dialog font lays it out.
const ButtonRow kTemplateRow{{{188, 302, 100, 32}, {300, 302, 100, 32}, {412, 302, 100, 32}}};

// Only the texts that overflow their own button decide the common width.
TEST(ButtonRowTest, FittingWidthComesFromTheWidestOverflowingTextPlusAMargin) {
    const ButtonRow mixed{{{0, 0, 50, 16}, {60, 0, 80, 16}, {150, 0, 50, 16}}};
    const struct {
        ButtonWidths ideal;
        int expected;
    } cases[] = {
        {{40, 80, 50}, 0},   // all fit, two exactly
        {{51, 60, 50}, 56},  // one pixel too wide
        {{70, 75, 60}, 75},  // Fail's 75 fits its 80 and is ignored
    };
    for (const auto& c : cases) EXPECT_EQ(fittingWidth(mixed, c.ideal), c.expected) << c.ideal[0];
}

// Widened, each button moves left by what it and those before it grew, or
// (leftwards, the frame's row) by what it and those after it grew; centred,
// Pass and Cancel keep their template widths and Fail fills the gap, 10
// pixels from each. The margin is halved toward zero.
TEST(ButtonRowTest, WideningShiftsEachButtonLeftAndCentringLetsFailFillTheMiddle) {
    EXPECT_EQ(widened(kTemplateRow, 125),
              (ButtonRow{{{163, 302, 125, 32}, {250, 302, 125, 32}, {337, 302, 125, 32}}}));
    const ButtonRow uneven{{{0, 9, 50, 16}, {60, 9, 70, 16}, {140, 9, 80, 16}}};
    EXPECT_EQ(widenedLeftwards(uneven, 105),  // Cancel's right edge stays at 220
              (ButtonRow{{{0 - 55 - 35 - 25, 9, 105, 16}, {60 - 35 - 25, 9, 105, 16}, {140 - 25, 9, 105, 16}}}));
    EXPECT_EQ(centred(kTemplateRow, 701, 375),  // (701 - 375 - 20) / 2 = 153
              (ButtonRow{{{153, 302, 100, 32}, {263, 302, 175, 32}, {448, 302, 100, 32}}}));
    EXPECT_EQ(centred(kTemplateRow, 300, 321)[0].left, -20);  // a row wider than the dialog
}

}  // namespace
