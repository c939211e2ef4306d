#pragma once
// UTF-16 text shared by every library of the suite. On Windows the code unit
// is wchar_t so that Win32 calls take getUCS2Buffer() directly; elsewhere it
// is char16_t, which has the same width and keeps the portable code testable.
#include <cstddef>
#include <string>

namespace kvo {

#ifdef _WIN32
using UCS2Char = wchar_t;
#define KVO_U(text) L##text
#else
using UCS2Char = char16_t;
#define KVO_U(text) u##text
#endif
static_assert(sizeof(UCS2Char) == 2, "kvo::String needs 16-bit code units");

class String {
public:
    String() = default;
    String(const char* utf8);            // NOLINT: implicit like the 8-bit literals it replaces
    String(const std::string& utf8);     // NOLINT
    String(const UCS2Char* utf16);       // NOLINT
    String(const UCS2Char* utf16, std::size_t length);
    String(std::basic_string<UCS2Char> utf16);  // NOLINT

    String& operator=(const char* utf8);
    String& operator=(const UCS2Char* utf16);

    bool operator==(const String& other) const { return m_text == other.m_text; }
    bool operator!=(const String& other) const { return m_text != other.m_text; }
    bool operator<(const String& other) const { return m_text < other.m_text; }

    String& operator+=(const String& other);
    String& operator+=(const char* utf8);
    String& append(const String& other) { return *this += other; }
    String& append(const char* utf8) { return *this += utf8; }

    std::size_t size() const { return m_text.size(); }
    bool empty() const { return m_text.empty(); }
    const UCS2Char* getUCS2Buffer() const { return m_text.c_str(); }
    const std::basic_string<UCS2Char>& str() const { return m_text; }

    // Lower case for ASCII and Latin-1 letters: enough for file names and ids,
    // and identical on every platform, unlike the C library's locale rules.
    String toLower() const;
    // <0, 0, >0 by code unit, like std::u16string::compare.
    int compare(const String& other) const;
    std::string toUtf8() const;

    static const String& EMPTY();

private:
    std::basic_string<UCS2Char> m_text;
};

String operator+(String left, const String& right);
String operator+(String left, const char* right);

}  // namespace kvo
