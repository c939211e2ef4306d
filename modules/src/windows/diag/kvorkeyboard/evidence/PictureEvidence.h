#pragma once
// The keyboard picture as it stands when its test ends, for the report: the
// keys still shown (never pressed) and a drawing of it. Everything is read
// from the key windows' places, texts and styles and drawn here, so it comes
// out the same whether the dialog was ever on screen or not.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "kvo/String.h"

namespace kvorkeyboard {

struct PictureKeyState {
    std::uint16_t id;
    kvo::String legend;  // as drawn on the key, one line per legend
    RECT place;          // in the picture's client coordinates
    bool remaining;      // still shown: never pressed
};

// The keys among `keys` (windows of `picture`), in the order given.
std::vector<PictureKeyState> readPictureKeys(HWND picture, const std::vector<HWND>& keys);

// The picture, twice its size on screen, as a PNG: pressed keys faint,
// remaining keys filled red. Empty when GDI+ cannot draw or encode it.
std::vector<std::uint8_t> drawPicturePng(HWND picture, const std::vector<PictureKeyState>& keys);

// Into the running test's evidence: the remaining keys, in picture order,
// and, when there are any, the drawing. Nothing without a picture or a run.
void notePictureAtEnd(HWND picture, const std::vector<HWND>& keys);

}  // namespace kvorkeyboard
