#pragma once
// The host's string: built from 8-bit (UTF-8) text, read as UTF-16.
#include <string>

#include "kvo/String.h"

namespace vemo5 {

class VemoString {
public:
    VemoString() = default;
    VemoString(const char* utf8) : m_text(utf8) {}            // NOLINT: implicit on purpose
    VemoString(const std::string& utf8) : m_text(utf8) {}     // NOLINT
    VemoString(kvo::String text) : m_text(std::move(text)) {}  // NOLINT

    const kvo::UCS2Char* getUCS2Buffer() const { return m_text.getUCS2Buffer(); }
    const kvo::String& kvoString() const { return m_text; }
    std::string utf8() const { return m_text.toUtf8(); }
    bool operator==(const VemoString& other) const { return m_text == other.m_text; }
    bool operator!=(const VemoString& other) const { return m_text != other.m_text; }

private:
    kvo::String m_text;
};

}  // namespace vemo5
