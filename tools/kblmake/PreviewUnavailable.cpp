// The preview of a build without the drawing library (kblmake.exe): the
// command line says so instead of drawing.
#include "Preview.h"

namespace kblmake {

bool previewAvailable() { return false; }

std::vector<std::uint8_t> previewPng(const std::vector<DialogControl>&) { return {}; }

}  // namespace kblmake
