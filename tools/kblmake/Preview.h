#pragma once
// A picture of a library as the layout test will show it, drawn into a PNG
// file on any machine, without Windows or Wine: the key frames and legends,
// and the Fn instructions area.
#include <cstdint>
#include <vector>

#include "PictureGeometry.h"

namespace kblmake {

// Whether this build can draw previews (the Windows build of kblmake cannot:
// the drawing library is not there).
bool previewAvailable();

// The PNG file's bytes.
std::vector<std::uint8_t> previewPng(const std::vector<DialogControl>& controls);

}  // namespace kblmake
