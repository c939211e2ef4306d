#pragma once
// Where a picture goes in a box: as large as fits, its aspect kept, centred.

namespace kvo::controls {

struct FitRect {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const FitRect& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};

// An empty rectangle when the picture or the box has no area.
FitRect fitImage(int imageWidth, int imageHeight, int boxWidth, int boxHeight);

}  // namespace kvo::controls
