#pragma once
// The one rule for what counts as UTF-8, shared by every reader of 8-bit text
// (strings, the host's files and reports, kblmake's drawings), so that no
// reader lets through what another refuses: an over-long C0 AF is not "/".
// Header-only, so that kblmake built on its own needs no kvo library.
#include <cstddef>
#include <string>
#include <string_view>

namespace kvo {

// Length of the well-formed sequence at `i`, or 0: a stray continuation byte,
// a truncated sequence, an over-long form, a UTF-16 surrogate half or a code
// point above U+10FFFF.
inline std::size_t utf8SequenceLength(std::string_view text, std::size_t i) noexcept {
    auto byte = [text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    // C0 and C1 could only start over-long forms, F5 and above code points past U+10FFFF.
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || length > text.size() - i) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    // For these leads only the second byte tells an over-long, a surrogate or a too-high form.
    const unsigned char second = byte(i + 1);
    const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
    const bool surrogateOrTooHigh = (lead == 0xED && second > 0x9F) || (lead == 0xF4 && second > 0x8F);
    return overlong || surrogateOrTooHigh ? 0 : length;
}

// The code point of the well-formed sequence of `length` bytes at `i`.
inline char32_t utf8CodePoint(std::string_view text, std::size_t i, std::size_t length) noexcept {
    static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = static_cast<unsigned char>(text[i]) & kLeadBits[length];
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return code;
}

// Each byte that starts no well-formed sequence becomes U+FFFD, so that no
// text read from a file can make a conversion fail, nor an over-long form
// pass for the character it spells. `Unit` is any 16-bit code unit.
template <typename Unit>
std::basic_string<Unit> utf8ToUtf16(std::string_view text) {
    std::basic_string<Unit> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        char32_t code = length == 0 ? 0xFFFD : utf8CodePoint(text, i, length);
        i += length == 0 ? 1 : length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<Unit>(0xD800 + (code >> 10)));
            out.push_back(static_cast<Unit>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<Unit>(code));
        }
    }
    return out;
}

}  // namespace kvo
