#include "SettingsFile.h"

#include "KeyValueFile.h"

namespace vemo5 {
namespace {

const char kSection[] = "parameters";

std::string at(const std::string& fileName, int line, const std::string& what) {
    return fileName + ":" + std::to_string(line) + ": " + what;
}

}  // namespace

Settings parseSettings(const std::string& fileName, const std::string& text) {
    Settings settings;
    KeyValueText parsed = parseKeyValueText(text, {"#;", true});
    if (!parsed.problems.empty()) {
        settings.error = at(fileName, parsed.problems.front().line, parsed.problems.front().what);
        return settings;
    }
    for (const KeyValueEntry& entry : parsed.entries) {
        // Anything outside the one section would be silently ignored by a
        // lenient reader; an operator's typo must not look like a setting.
        if (entry.section != kSection) {
            settings.error = at(fileName, entry.line,
                                "\"" + entry.name + "\" is not in the [" + kSection + "] section");
            settings.values.clear();
            return settings;
        }
        settings.values.emplace_back(entry.name, entry.value);
    }
    return settings;
}

Settings readSettings(const std::string& path) {
    std::optional<std::string> text = readTextFile(path);
    if (!text) {
        Settings unreadable;
        unreadable.error = "cannot read the settings file \"" + path + "\"";
        return unreadable;
    }
    return parseSettings(path, *text);
}

}  // namespace vemo5
