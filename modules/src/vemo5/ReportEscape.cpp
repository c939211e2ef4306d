#include "ReportEscape.h"

#include <cstdio>

#include "kvo/Utf8.h"

namespace vemo5 {
namespace {

const char kReplacement[] = "\xEF\xBF\xBD";

// Copies valid multi-byte sequences and lets `ascii` write each byte below 0x80.
template <typename AsciiEscape>
std::string escape(const std::string& text, AsciiEscape ascii) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = kvo::utf8SequenceLength(text, i);
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
