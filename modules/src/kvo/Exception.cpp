#include "kvo/Exception.h"

#include <cstdio>

#include "StackCapture.h"

namespace kvo {

Exception::Exception(String message, const char* sourceFile, int line)
    : m_message(std::move(message)),
      m_sourceFile(sourceFile != nullptr ? sourceFile : ""),
      m_line(line),
      m_frames(captureStack()) {}

String Exception::getStackTrace() const {
    std::string trace = m_message.toUtf8();
    if (!m_sourceFile.empty()) trace += "\n  thrown at " + m_sourceFile + ":" + std::to_string(m_line);
    for (std::uintptr_t frame : m_frames) {
        char address[2 + 16 + 1];
        std::snprintf(address, sizeof address, "0x%016llx", static_cast<unsigned long long>(frame));
        trace += "\n  from ";
        trace += address;
    }
    return String(trace);
}

AssertionFailure::AssertionFailure(const char* sourceFile, int line, const char* expression)
    : Exception(String("Assertion failed: ") + expression + " (" + sourceFileName(sourceFile).c_str() + ":" +
                    std::to_string(line).c_str() + ")",
                sourceFile, line) {}

NullPointer::NullPointer(String message, const char* sourceFile, int line)
    : Exception(String("Null pointer: ") + message, sourceFile, line) {}

IndexOutOfBounds::IndexOutOfBounds(long long lowerBound, long long upperBound, long long index,
                                   const char* sourceFile, int line)
    : Exception(String(("Index " + std::to_string(index) + " out of bounds [" + std::to_string(lowerBound) +
                        ", " + std::to_string(upperBound) + "]")
                           .c_str()),
                sourceFile, line) {}

SerializationFailed::SerializationFailed(String message, const char* sourceFile, int line)
    : Exception(String("Serialization failed: ") + message, sourceFile, line) {}

std::string sourceFileName(const char* path) {
    std::string name = path != nullptr ? path : "";
    std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace kvo
