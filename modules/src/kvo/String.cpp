#include "kvo/String.h"

#include <cstdint>

#include "kvo/Utf8.h"

namespace kvo {
namespace {

std::size_t ucs2Length(const UCS2Char* text) {
    std::size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

}  // namespace

String::String(const char* utf8) {
    if (utf8 != nullptr) m_text = utf8ToUtf16<UCS2Char>(utf8);
}

String::String(const std::string& utf8) : m_text(utf8ToUtf16<UCS2Char>(utf8)) {}

String::String(const UCS2Char* utf16) {
    if (utf16 != nullptr) m_text.assign(utf16, ucs2Length(utf16));
}

String::String(const UCS2Char* utf16, std::size_t length) : m_text(utf16, length) {}

String::String(std::basic_string<UCS2Char> utf16) : m_text(std::move(utf16)) {}

String& String::operator=(const char* utf8) { return *this = String(utf8); }

String& String::operator=(const UCS2Char* utf16) { return *this = String(utf16); }

String& String::operator+=(const String& other) {
    m_text += other.m_text;
    return *this;
}

String& String::operator+=(const char* utf8) { return *this += String(utf8); }

String String::toLower() const {
    std::basic_string<UCS2Char> lower = m_text;
    for (UCS2Char& c : lower) {
        bool asciiUpper = c >= 'A' && c <= 'Z';
        bool latin1Upper = c >= 0xC0 && c <= 0xDE && c != 0xD7;
        if (asciiUpper || latin1Upper) c = static_cast<UCS2Char>(c + 0x20);
    }
    return String(std::move(lower));
}

int String::compare(const String& other) const { return m_text.compare(other.m_text); }

std::string String::toUtf8() const {
    std::string out;
    out.reserve(m_text.size());
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        std::uint32_t code = static_cast<std::uint16_t>(m_text[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < m_text.size()) {
            std::uint32_t low = static_cast<std::uint16_t>(m_text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;  // a lone surrogate
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

const String& String::EMPTY() {
    static const String empty;
    return empty;
}

String operator+(String left, const String& right) { return left += right; }

String operator+(String left, const char* right) { return left += right; }

}  // namespace kvo
