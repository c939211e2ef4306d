#pragma once
// Return addresses of the calling thread, innermost first, without symbols:
// cheap enough for every throw, and enough to read a trace against a map file.
#include <cstdint>
#include <vector>

namespace kvo {
std::vector<std::uintptr_t> captureStack();
}
