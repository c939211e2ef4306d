#include "ReportEscape.h"

#include <cstdio>

namespace vemo5 {
namespace {

const char kReplacement[] = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at `i`, or 0.
std::size_t utf8Length(const std::string& text, std::size_t i) {
    auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    unsigned char second = byte(i + 1);
    bool overlongOrSurrogate = (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
                               (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F);
    return overlongOrSurrogate ? 0 : length;
}

// Copies valid multi-byte sequences and lets `ascii` write each byte below 0x80.
template <typename AsciiEscape>
std::string escape(const std::string& text, AsciiEscape ascii) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = utf8Length(text, i);
        if (length == 0) {
            out += kReplacement;
            ++i;
        } else if (length == 1) {
            ascii(out, text[i]);
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

}  // namespace

std::string jsonEscape(const std::string& text) {
    return escape(text, [](std::string& out, char c) {
        switch (c) {
            case '"': out += "\\\""; return;
            case '\\': out += "\\\\"; return;
            case '\n': out += "\\n"; return;
            case '\r': out += "\\r"; return;
            case '\t': out += "\\t"; return;
            default: break;
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
            out += buffer;
        } else {
            out += c;
        }
    });
}

std::string xmlEscape(const std::string& text) {
    return escape(text, [](std::string& out, char c) {
        switch (c) {
            case '&': out += "&amp;"; return;
            case '<': out += "&lt;"; return;
            case '>': out += "&gt;"; return;
            case '"': out += "&quot;"; return;
            case '\'': out += "&apos;"; return;
            // As references they survive attribute-value normalisation.
            case '\n': out += "&#10;"; return;
            case '\r': out += "&#13;"; return;
            case '\t': out += "&#9;"; return;
            default: break;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            out += kReplacement;
        else
            out += c;
    });
}

}  // namespace vemo5
