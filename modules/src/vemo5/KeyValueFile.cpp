#include "KeyValueFile.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TextUtil.h"

namespace vemo5 {

KeyValueText parseKeyValueText(const std::string& text, const KeyValueSyntax& syntax) {
    KeyValueText result;
    std::string section;
    std::istringstream lines(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        std::string line = trim(raw);
        if (line.empty() || std::strchr(syntax.commentMarks, line[0]) != nullptr) continue;
        if (syntax.sections && line[0] == '[') {
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
        result.entries.push_back({number, section, name, trim(line.substr(equals + 1))});
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
