#pragma once
// The runtime's exception family. Every exception records where it was
// thrown; getStackTrace() adds the return addresses captured at the throw,
// so that a report from a test bench can be matched against the map file.
#include <cstdint>
#include <string>
#include <vector>

#include "kvo/String.h"

namespace kvo {

class Exception {
public:
    Exception(String message, const char* sourceFile, int line);
    virtual ~Exception() = default;

    const String& getMessage() const { return m_message; }
    String getStackTrace() const;

private:
    String m_message;
    std::string m_sourceFile;
    int m_line;
    std::vector<std::uintptr_t> m_frames;
};

// An internal invariant that did not hold. The message names the source file,
// the line and the expression text, e.g. "Assertion failed: !m_bKilled (AutoKillKbManager:78)".
class AssertionFailure : public Exception {
public:
    AssertionFailure(const char* sourceFile, int line, const char* expression);
};

class NullPointer : public Exception {
public:
    explicit NullPointer(String message, const char* sourceFile = "", int line = 0);
};

class IndexOutOfBounds : public Exception {
public:
    IndexOutOfBounds(long long lowerBound, long long upperBound, long long index,
                     const char* sourceFile = "", int line = 0);
};

class SerializationFailed : public Exception {
public:
    explicit SerializationFailed(String message, const char* sourceFile = "", int line = 0);
};

// The source file's name without folder and extension, the way assertions name it.
std::string sourceFileName(const char* path);

}  // namespace kvo

// Throws kvo::AssertionFailure naming this file (without folder and extension),
// this line and the expression's text.
#define KVO_ASSERT(expression) KVO_ASSERT_AT(expression, ::kvo::sourceFileName(__FILE__).c_str(), __LINE__)

// The same, reporting the site `sourceFile`, `line`: for assertions whose
// reported site is part of the module's contract and must not move when the
// file is edited or renamed.
#define KVO_ASSERT_AT(expression, sourceFile, line)                                    \
    do {                                                                                \
        if (!(expression)) throw ::kvo::AssertionFailure((sourceFile), (line), #expression); \
    } while (false)
