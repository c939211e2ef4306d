#include "ButtonWidths.h"

#include <algorithm>

namespace kvorkeyboard {
namespace {

// Room beside the text that BCM_GETIDEALSIZE leaves out.
constexpr int kMargin = 5;

}  // namespace

std::optional<WidenedButtons> widenToFit(const std::vector<ButtonFit>& buttons) {
    int widest = 0;
    for (const ButtonFit& button : buttons)
        if (button.idealWidth > button.width) widest = std::max(widest, button.idealWidth + kMargin);
    if (widest == 0) return std::nullopt;

    WidenedButtons widened{widest, std::vector<int>(buttons.size())};
    int shift = 0;
    for (std::size_t i = buttons.size(); i-- > 0;) {
        shift += widest - buttons[i].width;
        widened.lefts[i] = buttons[i].left - shift;
    }
    return widened;
}

}  // namespace kvorkeyboard
