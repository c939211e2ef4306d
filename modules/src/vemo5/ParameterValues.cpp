#include "ParameterValues.h"

#include <algorithm>

#include "TextUtil.h"

namespace vemo5 {

std::string assignParameterValues(const Registry& registry,
                                  const std::vector<std::pair<std::string, std::string>>& values,
                                  const std::string& source) {
    for (const auto& [name, value] : values) {
        Parameter* parameter = registry.findParameter(name);
        if (parameter == nullptr) return printable(source) + ": unknown parameter " + quote(name);
        if (!parameter->isConfigurable()) return printable(source) + ": parameter " + quote(name) + " cannot be set";
        if (!parameter->setValue(value))
            return printable(source) + ": " + quote(value) + " is not a " + parameter->dataType().name() +
                   " value for parameter " + quote(name) + " (true/false, 1/0, yes/no)";
    }
    return std::string();
}

std::vector<std::pair<std::string, std::string>> valuesInForce(const Test& test, const Registry& registry) {
    std::vector<std::pair<std::string, std::string>> values;
    auto add = [&values](const Parameter* parameter) {
        bool listed = std::any_of(values.begin(), values.end(),
                                  [parameter](const auto& value) { return value.first == parameter->name(); });
        if (!listed) values.emplace_back(parameter->name(), parameter->value().text());
    };
    for (const Parameter* parameter : test.parameters()) add(parameter);
    for (const Parameter* parameter : registry.parameters())
        if (parameter->isModuleWide()) add(parameter);
    return values;
}

}  // namespace vemo5
