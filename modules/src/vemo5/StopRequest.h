#pragma once
// Whether someone outside the process wants the running test to end: a
// deadline counted from the first test's start, or a file that appears.
#include <optional>
#include <string>

#include "StopProbe.h"

namespace vemo5 {

class StopRequest {
public:
    StopRequest(const StopProbe& probe, std::optional<double> afterSeconds, std::optional<std::string> file)
        : m_probe(probe), m_afterSeconds(afterSeconds), m_file(std::move(file)) {}

    // The deadline's clock starts here; before, only the file counts.
    void startClock() { m_started = m_probe.now(); }
    bool requested() const;

private:
    const StopProbe& m_probe;
    std::optional<double> m_afterSeconds;
    std::optional<std::string> m_file;
    std::optional<std::chrono::steady_clock::time_point> m_started;
};

}  // namespace vemo5
