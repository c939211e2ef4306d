#include <gtest/gtest.h>

#include "KvoControls/ImageFit.h"

using kvo::controls::FitRect;
using kvo::controls::fitImage;

TEST(ImageFit, KeepsTheAspectAndCentresInTheSpareDirection) {
    struct Case {
        int imageWidth, imageHeight, boxWidth, boxHeight;
        FitRect expected;
    };
    const Case cases[] = {
        {20, 10, 120, 40, {20, 0, 80, 40}},    // wide box: height limits, centred across
        {20, 10, 40, 120, {0, 50, 40, 20}},    // tall box: width limits, centred down
        {100, 50, 50, 25, {0, 0, 50, 25}},     // shrinks to the same aspect
        {16, 16, 11, 10, {0, 0, 10, 10}},      // LED picture in a slightly wide box
        {3, 2, 10, 10, {0, 1, 10, 7}},         // 6.67 rounds to 7; the odd pixel goes below
        {1, 1000, 10, 10, {5, 0, 0, 10}},      // a sliver may round to nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(fitImage(c.imageWidth, c.imageHeight, c.boxWidth, c.boxHeight), c.expected)
            << c.imageWidth << "x" << c.imageHeight << " in " << c.boxWidth << "x" << c.boxHeight;
}

TEST(ImageFit, NothingWithoutArea) {
    const FitRect none{0, 0, 0, 0};
    EXPECT_EQ(fitImage(0, 10, 100, 100), none);
    EXPECT_EQ(fitImage(10, 10, 0, 100), none);
    EXPECT_EQ(fitImage(10, 10, 100, -5), none);
}
