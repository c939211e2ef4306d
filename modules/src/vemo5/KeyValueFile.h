#pragma once
// The line format shared by text catalogs and settings files: UTF-8 (a byte
// order mark is skipped), `name = value` lines, whole-line comments, blank
// lines and, where the format has them, `[section]` lines.
#include <optional>
#include <string>
#include <vector>

namespace vemo5 {

struct KeyValueSyntax {
    const char* commentMarks;  // a line whose first non-blank is one of these is a comment
    // The one section whose values count, for a format with sections; a
    // value anywhere else is a problem. Null: a format without sections.
    const char* section;
};

struct KeyValueEntry {
    int line;
    std::string name;
    std::string value;  // trimmed, otherwise as written
};

struct KeyValueProblem {
    int line;
    std::string what;  // what it quotes from the line is shown printably
};

struct KeyValueText {
    std::vector<KeyValueEntry> entries;
    std::vector<KeyValueProblem> problems;  // lines that were skipped, and why, in file order
};

KeyValueText parseKeyValueText(const std::string& text, const KeyValueSyntax& syntax);

// The whole file, or nothing when it cannot be read. The path is UTF-8.
std::optional<std::string> readTextFile(const std::string& path);

}  // namespace vemo5
