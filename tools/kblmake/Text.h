#pragma once
// Windows keeps resource texts in UTF-16; the drawing is UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

namespace kblmake {

// Bytes that are not UTF-8 become U+FFFD, as in kvo::String.
std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);
void appendUtf8(std::string& out, std::uint32_t codePoint);

}  // namespace kblmake
