#include "Diagnostics.h"

namespace kblmake {

std::string formatDiagnostic(const Diagnostic& d) {
    return d.file + ":" + std::to_string(d.at.line) + ":" + std::to_string(d.at.column) + ": " +
           (d.severity == Severity::Error ? "error: " : "warning: ") + d.message;
}

}  // namespace kblmake
