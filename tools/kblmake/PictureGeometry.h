#pragma once
// Where the layout test draws each key: KLE units scaled into its picture
// area, in dialog units, with a gap between neighbours so that each key
// reads as a cap.
#include <cstdint>
#include <string>
#include <vector>

#include "KleLayout.h"

namespace kblmake {

// The layout test's picture area, in dialog units.
constexpr int kAreaWidth = 480;
constexpr int kAreaHeight = 134;

struct DialogControl {
    std::uint16_t id;
    std::string text;  // UTF-8; legend lines joined with "\n"
    bool textArea;     // an instructions text: left-aligned, unframed
    int x, y, cx, cy;  // dialog units
};

// One control per key, in the drawing's order. `picture` must have passed the
// checks: at least one key, all of them inside the 100-unit square.
std::vector<DialogControl> placeControls(const KlePicture& picture);

}  // namespace kblmake
