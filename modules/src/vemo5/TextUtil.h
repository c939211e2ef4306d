#pragma once
// Small text helpers shared by the host's file and command-line readers.
#include <optional>
#include <string>

namespace vemo5 {

std::string trim(const std::string& text);
// "true"/"false", "1"/"0", "yes"/"no", in any letter case; nothing otherwise.
std::optional<bool> parseBoolean(const std::string& text);

}  // namespace vemo5
