#pragma once
// Widening a row of buttons to one common width that fits the widest text,
// growing leftwards so that the row keeps its right edge and its gaps.
#include <optional>
#include <vector>

namespace kvorkeyboard {

struct ButtonFit {
    int left;
    int width;       // client width now
    int idealWidth;  // width its text needs (BCM_GETIDEALSIZE)
};

struct WidenedButtons {
    int width;               // the common new width
    std::vector<int> lefts;  // new left edges, in the order given
};

// Buttons from left to right. Nothing when every text fits already.
std::optional<WidenedButtons> widenToFit(const std::vector<ButtonFit>& buttons);

}  // namespace kvorkeyboard
