#include "KeyValueFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "TextUtil.h"

namespace vemo5 {

KeyValueText parseKeyValueText(const std::string& text, const KeyValueSyntax& syntax) {
    KeyValueText result;
    std::string section;
    std::istringstream lines(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        std::string line = trim(raw);
        // Not strchr: it finds a NUL byte too, as the marks' terminator.
        if (line.empty() || std::string_view(syntax.commentMarks).find(line[0]) != std::string_view::npos) continue;
        if (syntax.section != nullptr && line[0] == '[') {
            if (line.back() != ']' || trim(line.substr(1, line.size() - 2)).empty())
                result.problems.push_back({number, "expected [section]"});
            else
                section = trim(line.substr(1, line.size() - 2));
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            result.problems.push_back({number, "expected name = value"});
            continue;
        }
        std::string name = trim(line.substr(0, equals));
        if (name.empty()) {
            result.problems.push_back({number, "missing name before '='"});
            continue;
        }
        // Anything outside the one section would be silently ignored by a
        // lenient reader; an operator's typo must not look like a setting.
        if (syntax.section != nullptr && section != syntax.section)
            result.problems.push_back({number, quote(name) + " is not in the [" + syntax.section + "] section"});
        else
            result.entries.push_back({number, name, trim(line.substr(equals + 1))});
    }
    return result;
}

std::optional<std::string> readTextFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::path fsPath = std::filesystem::u8path(path);
    if (std::filesystem::is_directory(fsPath, ignored)) return std::nullopt;
    std::ifstream in(fsPath, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return content.str();
}

}  // namespace vemo5
