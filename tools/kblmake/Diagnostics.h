#pragma once
// What kblmake tells a technician about a drawing. Errors stop the library
// from being written; warnings are shown and the library is written anyway.
#include <string>
#include <utility>
#include <vector>

#include "Json.h"

namespace kblmake {

enum class Severity { Warning, Error };

struct Diagnostic {
    Severity severity;
    std::string file;
    SourcePosition at;
    std::string message;  // names the key or the field it is about
};

class Diagnostics {
public:
    // The file the following messages are about.
    void startFile(std::string file) { m_file = std::move(file); }
    void add(Severity severity, SourcePosition at, std::string message) {
        m_list.push_back({severity, m_file, at, std::move(message)});
    }
    bool hasErrors() const {
        for (const Diagnostic& d : m_list)
            if (d.severity == Severity::Error) return true;
        return false;
    }
    const std::vector<Diagnostic>& list() const { return m_list; }

private:
    std::string m_file;
    std::vector<Diagnostic> m_list;
};

// "file:line:column: error: message", as compilers write it, so that an
// editor can jump to the place.
std::string formatDiagnostic(const Diagnostic& diagnostic);

}  // namespace kblmake
