#include "Json.h"

#include "Text.h"
#include "kvo/Utf8.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace kblmake {
namespace {

std::string describeByte(unsigned char byte) {
    char text[32];
    if (byte >= 0x21 && byte < 0x7F)
        std::snprintf(text, sizeof text, "'%c'", byte);
    else
        std::snprintf(text, sizeof text, "byte 0x%02X", byte);
    return text;
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    JsonValue document() {
        if (m_text.size() > kMaxJsonBytes)
            throw JsonError({1, 1}, "the file is larger than " + std::to_string(kMaxJsonBytes / (1024 * 1024)) +
                                        " MiB: not a keyboard drawing");
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
        skipSpace();
        JsonValue root = value(0);
        skipSpace();
        if (m_pos < m_text.size()) fail("unexpected " + describeByte(peek()) + " after the end of the document");
        return root;
    }

private:
    [[noreturn]] void fail(const std::string& message) const { throw JsonError({m_line, m_column}, message); }

    unsigned char peek() const { return static_cast<unsigned char>(m_text[m_pos]); }
    bool atEnd() const { return m_pos >= m_text.size(); }

    // Moves over one byte; a new character starts at every byte that is not
    // a UTF-8 continuation byte.
    void advance() {
        const unsigned char byte = peek();
        ++m_pos;
        if (byte == '\n') {
            ++m_line;
            m_column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++m_column;
        }
    }

    void skipSpace() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) advance();
    }

    void expect(char wanted, const char* context) {
        if (atEnd()) fail(std::string("the file ends inside ") + context + "; expected '" + wanted + "'");
        if (peek() != static_cast<unsigned char>(wanted))
            fail("expected '" + std::string(1, wanted) + "' " + context + ", found " + describeByte(peek()));
        advance();
    }

    JsonValue value(int depth) {
        if (depth >= kMaxJsonDepth) fail("nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
        if (atEnd()) fail("the file ends where a value should be");
        JsonValue v;
        v.at = {m_line, m_column};
        switch (peek()) {
        case '[': array(v, depth); break;
        case '{': object(v, depth); break;
        case '"':
            v.kind = JsonValue::Kind::String;
            v.text = string();
            break;
        case 't': word("true", v, JsonValue::Kind::Bool, true); break;
        case 'f': word("false", v, JsonValue::Kind::Bool, false); break;
        case 'n': word("null", v, JsonValue::Kind::Null, false); break;
        default:
            if (peek() == '-' || (peek() >= '0' && peek() <= '9')) {
                v.kind = JsonValue::Kind::Number;
                v.number = number();
            } else {
                fail("unexpected " + describeByte(peek()) + " where a value should be");
            }
        }
        return v;
    }

    void word(std::string_view literal, JsonValue& v, JsonValue::Kind kind, bool boolean) {
        if (m_text.substr(m_pos, literal.size()) != literal) fail("unexpected " + describeByte(peek()));
        for (std::size_t i = 0; i < literal.size(); ++i) advance();
        v.kind = kind;
        v.boolean = boolean;
    }

    void array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        advance();
        skipSpace();
        if (!atEnd() && peek() == ']') {
            advance();
            return;
        }
        for (;;) {
            skipSpace();
            v.items.push_back(value(depth + 1));
            skipSpace();
            if (!atEnd() && peek() == ',') {
                advance();
                continue;
            }
            expect(']', "after an array element");
            return;
        }
    }

    void object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        advance();
        skipSpace();
        if (!atEnd() && peek() == '}') {
            advance();
            return;
        }
        for (;;) {
            skipSpace();
            if (atEnd() || peek() != '"')
                fail(atEnd() ? "the file ends inside an object"
                             : "expected a quoted property name, found " + describeByte(peek()));
            std::string name = string();
            skipSpace();
            expect(':', "after a property name");
            skipSpace();
            v.members.emplace_back(std::move(name), value(depth + 1));
            skipSpace();
            if (!atEnd() && peek() == ',') {
                advance();
                continue;
            }
            expect('}', "after a property");
            return;
        }
    }

    std::uint32_t hex4() {
        std::uint32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            if (atEnd()) fail("the file ends inside a \\u escape");
            const unsigned char c = peek();
            int digit = -1;
            if (c >= '0' && c <= '9') digit = c - '0';
            if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0) fail("a \\u escape needs four hex digits, found " + describeByte(c));
            code = code * 16 + static_cast<std::uint32_t>(digit);
            advance();
        }
        return code;
    }

    std::uint32_t escapedCodePoint() {
        std::uint32_t code = hex4();
        if (code >= 0xDC00 && code <= 0xDFFF) fail("a \\u escape holds a lone low surrogate");
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (m_text.substr(m_pos, 2) != "\\u") fail("a high surrogate must be followed by a \\u low surrogate");
            advance();
            advance();
            const std::uint32_t low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) fail("a high surrogate must be followed by a low surrogate");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        return code;
    }

    // One UTF-8 sequence copied after checking it by the runtime's rule.
    void utf8Sequence(std::string& out) {
        const std::size_t length = kvo::utf8SequenceLength(m_text, m_pos);
        if (length == 0)
            fail("invalid UTF-8: " + describeByte(peek()) +
                 " starts no character (a stray byte, or a truncated, overlong or out-of-range sequence);"
                 " save the file as UTF-8");
        out.append(m_text.substr(m_pos, length));
        for (std::size_t i = 0; i < length; ++i) advance();
    }

    std::string string() {
        advance();  // the opening quote
        std::string out;
        for (;;) {
            if (atEnd()) fail("the file ends inside a string");
            const unsigned char c = peek();
            if (c == '"') {
                advance();
                return out;
            }
            if (c < 0x20) fail("a string holds a raw control character (" + describeByte(c) + "); write it as \\n");
            if (c >= 0x80) {
                utf8Sequence(out);
                continue;
            }
            advance();
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (atEnd()) fail("the file ends inside a string");
            const unsigned char e = peek();
            advance();
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': appendUtf8(out, escapedCodePoint()); break;
            default: fail("unknown escape \\" + std::string(1, static_cast<char>(e)) + " in a string");
            }
        }
    }

    double number() {
        const std::size_t start = m_pos;
        auto digits = [this] {
            std::size_t n = 0;
            while (!atEnd() && peek() >= '0' && peek() <= '9') {
                advance();
                ++n;
            }
            return n;
        };
        if (peek() == '-') advance();
        if (!atEnd() && peek() == '0') {
            advance();
        } else if (digits() == 0) {
            fail("a number needs digits");
        }
        if (!atEnd() && peek() == '.') {
            advance();
            if (digits() == 0) fail("a number needs digits after its decimal point");
        }
        if (!atEnd() && (peek() == 'e' || peek() == 'E')) {
            advance();
            if (!atEnd() && (peek() == '+' || peek() == '-')) advance();
            if (digits() == 0) fail("a number needs digits in its exponent");
        }
        double value = 0;
        const char* first = m_text.data() + start;
        const auto [end, error] = std::from_chars(first, m_text.data() + m_pos, value);
        if (error != std::errc() || end != m_text.data() + m_pos || !std::isfinite(value))
            fail("the number " + std::string(m_text.substr(start, m_pos - start)) + " is out of range");
        return value;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_column = 1;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view name) const {
    const JsonValue* found = nullptr;
    for (const auto& [key, value] : members)
        if (key == name) found = &value;
    return found;
}

JsonValue parseJson(std::string_view document) { return Reader(document).document(); }

}  // namespace kblmake
