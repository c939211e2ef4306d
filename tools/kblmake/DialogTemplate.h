#pragma once
// The picture as a Windows dialog template (DLGTEMPLATEEX), the form in
// which the layout test finds it in a library and creates its windows.
#include <cstdint>
#include <vector>

#include "PictureGeometry.h"

namespace kblmake {

// A child dialog of 480 x 134 dialog units in "MS Shell Dlg" 8 point, one
// static control per key: framed and centred for a key, plain and
// left-aligned for an instructions text; each control's id is its key's.
std::vector<std::uint8_t> dialogTemplate(const std::vector<DialogControl>& controls);

}  // namespace kblmake
