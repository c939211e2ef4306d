#pragma once
// A layout library's content: string 1, the display name, and dialog 2, the
// picture, once per language.
#include <cstdint>
#include <string>
#include <vector>

#include "PictureGeometry.h"

namespace kblmake {

struct LanguagePicture {
    std::uint16_t language;
    std::vector<DialogControl> controls;
};

// The .kbl file: a resource-only DLL.
std::vector<std::uint8_t> layoutLibrary(const std::string& name, const std::vector<LanguagePicture>& pictures);

}  // namespace kblmake
