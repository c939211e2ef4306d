#include "PictureGeometry.h"

#include <algorithm>
#include <cmath>

namespace kblmake {
namespace {

// Under "MS Shell Dlg" 8 a vertical dialog unit is about 1.08 horizontal
// ones; scaling y by this keeps a 1u key square on screen.
constexpr double kSquareY = 0.92;
constexpr int kGap = 1;
// A small keyboard is not blown up beyond this many dialog units a key.
constexpr double kMaxUnit = 24;

// Halves go to the even neighbour, so that the pictures drawn before this
// tool existed (by a converter that rounded so) keep every key where it was.
int nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

std::vector<DialogControl> placeControls(const KlePicture& picture) {
    double width = 0, height = 0;
    for (const KleKey& key : picture.keys) {
        width = std::max(width, key.x + key.w);
        height = std::max(height, key.y + key.h);
    }
    const double unitX = std::min({kMaxUnit, kAreaWidth / width, kAreaHeight / (height * kSquareY)});
    const double unitY = unitX * kSquareY;
    std::vector<DialogControl> controls;
    for (const KleKey& key : picture.keys) {
        const int left = nearest(key.x * unitX), top = nearest(key.y * unitY);
        const int right = nearest((key.x + key.w) * unitX), bottom = nearest((key.y + key.h) * unitY);
        controls.push_back({key.id, joinLines(key.legends), key.textArea, left, top, right - left - kGap,
                            bottom - top - kGap});
    }
    return controls;
}

}  // namespace kblmake
