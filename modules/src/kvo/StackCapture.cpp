#include "StackCapture.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(__GLIBC__)
#include <execinfo.h>
#endif

namespace kvo {

std::vector<std::uintptr_t> captureStack() {
    constexpr int kMaxFrames = 32;
    void* frames[kMaxFrames];
    int count = 0;
#ifdef _WIN32
    // Skip this function and the exception constructor.
    count = RtlCaptureStackBackTrace(2, kMaxFrames, frames, nullptr);
#elif defined(__GLIBC__)
    count = backtrace(frames, kMaxFrames);
#endif
    std::vector<std::uintptr_t> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) result.push_back(reinterpret_cast<std::uintptr_t>(frames[i]));
    return result;
}

}  // namespace kvo
