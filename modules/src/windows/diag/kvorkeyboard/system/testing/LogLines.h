#pragma once
// What the code under test logged on one logger, as the tests compare it:
// "level:text", without the line-number prefix every message carries; and
// the line an assertion names.
#include <string>
#include <vector>

#include "kvo/Exception.h"
#include "kvo/Logging.h"

namespace kvorkeyboard::testing {

inline std::vector<std::string> logLines(kvo::ScopedLogCapture& capture, const std::string& logger) {
    std::vector<std::string> out;
    for (const auto& e : capture.sink().entries()) {
        if (e.logger == logger) out.push_back(std::to_string(e.level) + ":" + e.message.substr(e.message.find(' ') + 1));
    }
    return out;
}

// From the message "Assertion failed: <expression> (<file>:<line>)".
inline int assertedLine(const kvo::AssertionFailure& failure) {
    const std::string message = failure.getMessage().toUtf8();
    return std::stoi(message.substr(message.rfind(':') + 1));
}

}  // namespace kvorkeyboard::testing
