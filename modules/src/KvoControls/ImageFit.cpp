#include "KvoControls/ImageFit.h"

#include <cstdint>

namespace kvo::controls {

namespace {
// a * b / c rounded to the nearest whole number, for non-negative values.
int scaled(int a, int b, int c) {
    return static_cast<int>((static_cast<std::int64_t>(a) * b + c / 2) / c);
}
}  // namespace

FitRect fitImage(int imageWidth, int imageHeight, int boxWidth, int boxHeight) {
    if (imageWidth <= 0 || imageHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) return {0, 0, 0, 0};
    int width = boxWidth;
    int height = boxHeight;
    // Compare the aspects without division: which side of the box limits the picture.
    if (static_cast<std::int64_t>(imageWidth) * boxHeight > static_cast<std::int64_t>(imageHeight) * boxWidth)
        height = scaled(imageHeight, boxWidth, imageWidth);
    else
        width = scaled(imageWidth, boxHeight, imageHeight);
    return {(boxWidth - width) / 2, (boxHeight - height) / 2, width, height};
}

}  // namespace kvo::controls
