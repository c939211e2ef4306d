#pragma once
// Text made safe for the report formats. Invalid UTF-8 becomes U+FFFD, and so
// do the control characters that XML 1.0 cannot carry.
#include <string>

namespace vemo5 {

std::string jsonEscape(const std::string& text);
std::string xmlEscape(const std::string& text);

}  // namespace vemo5
