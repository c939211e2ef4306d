#pragma once
// What the layout test's own logger wrote: other loggers (the host's texts,
// for one) may write into the same capture.
#include <vector>

#include "kvo/Logging.h"

namespace kvorkeyboard::testing {

inline std::vector<kvo::MemoryLogSink::Entry> layoutTestLog(kvo::ScopedLogCapture& capture) {
    std::vector<kvo::MemoryLogSink::Entry> own;
    for (const auto& entry : capture.sink().entries())
        if (entry.logger == "kvorkeyboard.CKeyboardLayoutTest") own.push_back(entry);
    return own;
}

}  // namespace kvorkeyboard::testing
