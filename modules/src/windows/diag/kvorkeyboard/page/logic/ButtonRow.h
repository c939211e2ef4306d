#pragma once
// Where the verdict buttons, Pass, Fail and Cancel, go once their translated
// texts are known: the frame keeps its row's right edge, the media-centre
// test centres its row. Pure arithmetic on client-area pixels, so that the
// dialogs only measure and move.
#include <array>

#include "kvo/OperatingSystem.h"

namespace kvorkeyboard {

struct ButtonBox {
    int left;
    int top;
    int width;
    int height;
    int right() const { return left + width; }
    bool operator==(const ButtonBox& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// Pass, Fail, Cancel.
using ButtonRow = std::array<ButtonBox, 3>;
using ButtonWidths = std::array<int, 3>;

// Windows 2000 lays the template out well enough and its buttons cannot
// report the width their text needs.
bool arrangesButtons(const kvo::OperatingSystemMajorVersion& major);

// The one width that fits every text with a margin, or 0 when every text
// already fits its button.
int fittingWidth(const ButtonRow& buttons, const ButtonWidths& idealWidths);

// Every button at `width`, each moved left by what the buttons before it
// and itself grew.
ButtonRow widened(const ButtonRow& buttons, int width);

// Every button at `width`, each moved left by what itself and the buttons
// after it grew: the row keeps its right edge and its gaps.
ButtonRow widenedLeftwards(const ButtonRow& buttons, int width);

// Pass and Cancel at their template widths, placed symmetrically in a dialog
// `dialogWidth` wide for a row `rowWidth` wide; Fail fills the gap between
// them, 10 pixels from each.
ButtonRow centred(const ButtonRow& templateRow, int dialogWidth, int rowWidth);

}  // namespace kvorkeyboard
