#pragma once
// The keyboard picture as it stands when its test ends, for the report: the
// keys still shown (never pressed) and a drawing of it. Everything is read
// from the key windows' places, texts and styles and drawn here, so it comes
// out the same whether the dialog was ever on screen or not.
#include <windows.h>

#include <vector>

namespace kvorkeyboard {

// Into the running test's evidence: the remaining keys, in picture order,
// and, when there are any, the drawing. Nothing without a picture or a run.
void notePictureAtEnd(HWND picture, const std::vector<HWND>& keys);

}  // namespace kvorkeyboard
