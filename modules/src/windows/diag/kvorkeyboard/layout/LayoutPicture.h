#pragma once
// A layout library's keyboard picture, created inside the layout test, and the
// list of its keys that are still to be pressed.
#include <vector>

#include "LayoutSystem.h"
#include "kvo/Array.h"

namespace kvorkeyboard {

// Text controls a picture may carry besides its keys; they are never keys.
constexpr int IDC_FN_KEY_INSTRUCTIONS = 1104;
constexpr int IDC_PANA_FN_INSTRUCTIONS = 1106;

// The picture of `library` as a child of `area`: its template in the user's
// language, else in US English, which therefore serves every user. Empty when
// there is no library, no template in either language, or creation fails.
PictureWindow createLayoutPicture(LayoutSystem& system, HINSTANCE library, HWND area);

// Refills `keys` with every window of `picture` except the instruction texts.
// Without a picture the list is left empty.
void discoverKeys(LayoutSystem& system, HWND picture, kvo::Array<HWND>& keys);
// The same keys, in the same order.
std::vector<HWND> pictureKeys(LayoutSystem& system, HWND picture);

}  // namespace kvorkeyboard
