#pragma once
// The settings file that --settings names: parameter values in a
// `[parameters]` section, one `name = value` a line, `#` or `;` comments.
#include <string>
#include <utility>
#include <vector>

namespace vemo5 {

struct Settings {
    std::vector<std::pair<std::string, std::string>> values;  // in file order
    std::string error;  // "FILE:LINE: what" for the first bad line, or "cannot read FILE"; empty when good
};

Settings parseSettings(const std::string& fileName, const std::string& text);
Settings readSettings(const std::string& path);

}  // namespace vemo5
