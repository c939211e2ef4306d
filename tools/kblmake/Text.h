#pragma once
// Windows keeps resource texts in UTF-16; the drawing is UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

namespace kblmake {

// `utf8` must be valid UTF-8, as the JSON reader guarantees.
std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);
void appendUtf8(std::string& out, std::uint32_t codePoint);

}  // namespace kblmake
