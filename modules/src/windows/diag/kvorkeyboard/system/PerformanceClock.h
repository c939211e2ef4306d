#pragma once
// The high-resolution clock keystrokes are timed with (QueryPerformanceCounter:
// the events' own tick field moves in steps of 15.6 ms on many machines), behind
// a seam so that tests set the time.
#include <cstdint>

namespace kvorkeyboard {

class PerformanceClock {
public:
    virtual ~PerformanceClock() = default;
    virtual std::int64_t now() = 0;
    virtual std::int64_t ticksPerSecond() = 0;
};

PerformanceClock& systemPerformanceClock();

}  // namespace kvorkeyboard
