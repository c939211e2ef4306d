#include "TextUtil.h"

#include <cstdio>

#include "kvo/Utf8.h"

namespace vemo5 {

std::string trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::optional<bool> parseBoolean(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower == "true" || lower == "1" || lower == "yes") return true;
    if (lower == "false" || lower == "0" || lower == "no") return false;
    return std::nullopt;
}

std::string printable(const std::string& input) {
    std::string shown;
    shown.reserve(input.size());
    for (std::size_t i = 0; i < input.size();) {
        std::size_t length = kvo::utf8SequenceLength(input, i);
        auto lead = static_cast<unsigned char>(input[i]);
        // U+0080 to U+009F arrive as C2 80 to C2 9F; some consoles take U+009B for ESC [.
        bool control = length == 1 ? lead < 0x20 || lead == 0x7F
                                   : length == 2 && lead == 0xC2 && static_cast<unsigned char>(input[i + 1]) < 0xA0;
        if (length != 0 && !control) {
            shown.append(input, i, length);
            i += length;
            continue;
        }
        for (std::size_t k = 0; k < (control ? length : 1); ++k, ++i) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(input[i]));
            shown += escaped;
        }
    }
    return shown;
}

std::string quote(const std::string& input) { return "\"" + printable(input) + "\""; }

}  // namespace vemo5
