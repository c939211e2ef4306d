#pragma once
// The --list text: tests with their parameters, all parameters, the events.
#include <string>

#include "Registry.h"

namespace vemo5 {

std::string listing(const Registry& registry);

}  // namespace vemo5
