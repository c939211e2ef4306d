#pragma once
// Gives the registered parameters the values an operator asked for. Names
// and values can only be checked once the module has created its
// parameters, which it does in its init callback.
#include <string>
#include <utility>
#include <vector>

#include "Registry.h"

namespace vemo5 {

// Sets each value in order, so a later one wins. `source` names where the
// values came from, for the message. Returns the first problem, or empty.
std::string assignParameterValues(const Registry& registry,
                                  const std::vector<std::pair<std::string, std::string>>& values,
                                  const std::string& source);

// The values a test runs with: its own parameters, then the module-wide ones.
std::vector<std::pair<std::string, std::string>> valuesInForce(const Test& test, const Registry& registry);

}  // namespace vemo5
