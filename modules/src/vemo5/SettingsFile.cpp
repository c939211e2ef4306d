#include "SettingsFile.h"

#include "KeyValueFile.h"
#include "TextUtil.h"

namespace vemo5 {

Settings parseSettings(const std::string& fileName, const std::string& text) {
    Settings settings;
    KeyValueText parsed = parseKeyValueText(text, {"#;", "parameters"});
    if (!parsed.problems.empty()) {
        const KeyValueProblem& first = parsed.problems.front();
        settings.error = printable(fileName) + ":" + std::to_string(first.line) + ": " + first.what;
        return settings;
    }
    for (const KeyValueEntry& entry : parsed.entries) settings.values.emplace_back(entry.name, entry.value);
    return settings;
}

Settings readSettings(const std::string& path) {
    std::optional<std::string> text = readTextFile(path);
    if (!text) {
        Settings unreadable;
        unreadable.error = "cannot read the settings file " + quote(path);
        return unreadable;
    }
    return parseSettings(path, *text);
}

}  // namespace vemo5
