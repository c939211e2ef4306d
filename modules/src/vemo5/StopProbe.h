#pragma once
// What the host asks the outside world to decide whether a test should stop:
// the time, and whether a file exists. A seam, so that tests need not sleep.
#include <chrono>
#include <string>

namespace vemo5 {

class StopProbe {
public:
    virtual ~StopProbe() = default;
    virtual std::chrono::steady_clock::time_point now() const = 0;
    virtual bool fileExists(const std::string& utf8Path) const = 0;
};

// The real clock and file system.
StopProbe& systemStopProbe();

}  // namespace vemo5
