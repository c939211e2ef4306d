#pragma once
// GDI+ start-up and shut-down for one test run, behind a seam so that a test
// can prove the run shuts GDI+ down exactly once on every path.
#include <windows.h>

namespace kvorkeyboard {

class GdiplusRuntime {
public:
    virtual ~GdiplusRuntime() = default;
    // GDI+ version 1, no debug callback, no suppressed background thread or
    // codecs. The token to shut down with; its status is not the run's concern.
    virtual ULONG_PTR startup() = 0;
    virtual void shutdown(ULONG_PTR token) = 0;
};

GdiplusRuntime& systemGdiplus();

}  // namespace kvorkeyboard
