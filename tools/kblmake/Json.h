#pragma once
// A strict JSON reader for keyboard-layout-editor files. Every value keeps
// where it stood in the file, so a message about a key can send the
// technician to its line and column. Input is untrusted: malformed, deep or
// oversized documents end in a JsonError, never in a crash.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kblmake {

// 1-based; the column counts characters, not bytes, as editors do.
struct SourcePosition {
    int line = 1;
    int column = 1;
};

class JsonError : public std::runtime_error {
public:
    JsonError(SourcePosition at, const std::string& message) : std::runtime_error(message), m_at(at) {}
    SourcePosition at() const { return m_at; }

private:
    SourcePosition m_at;
};

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    SourcePosition at;
    bool boolean = false;
    double number = 0;
    std::string text;  // UTF-8
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;  // in file order

    // The last member of that name (as JavaScript reads a repeated one), or null.
    const JsonValue* member(std::string_view name) const;
};

// A keyboard drawing is a few kilobytes; anything near this is not one.
constexpr std::size_t kMaxJsonBytes = 4 * 1024 * 1024;
constexpr int kMaxJsonDepth = 64;

// Parses one JSON document (a UTF-8 byte-order mark is skipped).
JsonValue parseJson(std::string_view document);

}  // namespace kblmake
