#include "page/logic/ButtonRow.h"

#include <algorithm>

namespace kvorkeyboard {

namespace {
constexpr int kTextMargin = 5;
constexpr int kGap = 10;
}  // namespace

bool arrangesButtons(const kvo::OperatingSystemMajorVersion& major) {
    return major != kvo::OperatingSystemMajorVersion::WIN_2000();
}

int fittingWidth(const ButtonRow& buttons, const ButtonWidths& idealWidths) {
    int widest = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (idealWidths[i] > buttons[i].width) widest = std::max(widest, idealWidths[i]);
    return widest == 0 ? 0 : widest + kTextMargin;
}

ButtonRow widened(const ButtonRow& buttons, int width) {
    ButtonRow out = buttons;
    int shift = 0;
    for (ButtonBox& b : out) {
        shift += b.width - width;
        b.left += shift;
        b.width = width;
    }
    return out;
}

ButtonRow widenedLeftwards(const ButtonRow& buttons, int width) {
    ButtonRow out = buttons;
    int shift = 0;
    for (std::size_t i = out.size(); i-- > 0;) {
        shift += width - out[i].width;
        out[i].left -= shift;
        out[i].width = width;
    }
    return out;
}

ButtonRow centred(const ButtonRow& templateRow, int dialogWidth, int rowWidth) {
    const int side = (dialogWidth - rowWidth - 2 * kGap) / 2;
    ButtonRow out = templateRow;
    ButtonBox& pass = out[0];
    ButtonBox& fail = out[1];
    ButtonBox& cancel = out[2];
    pass.left = side;
    cancel.left = dialogWidth - side - cancel.width;
    fail.left = pass.right() + kGap;
    fail.width = cancel.left - kGap - fail.left;
    return out;
}

}  // namespace kvorkeyboard
