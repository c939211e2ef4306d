#include <windows.h>

#include "PerformanceClock.h"

namespace kvorkeyboard {
namespace {

class Win32PerformanceClock final : public PerformanceClock {
public:
    // Both calls always succeed on Windows XP and later.
    std::int64_t now() override {
        LARGE_INTEGER counter;
        ::QueryPerformanceCounter(&counter);
        return counter.QuadPart;
    }
    std::int64_t ticksPerSecond() override {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart;
    }
};

}  // namespace

PerformanceClock& systemPerformanceClock() {
    static Win32PerformanceClock clock;
    return clock;
}

}  // namespace kvorkeyboard
