#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "GdiplusRuntime.h"

namespace kvorkeyboard {
namespace {

class Win32GdiplusRuntime final : public GdiplusRuntime {
public:
    ULONG_PTR startup() override {
        const Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        (void)Gdiplus::GdiplusStartup(&token, &input, nullptr);
        return token;
    }
    void shutdown(ULONG_PTR token) override { Gdiplus::GdiplusShutdown(token); }
};

}  // namespace

GdiplusRuntime& systemGdiplus() {
    static Win32GdiplusRuntime gdiplus;
    return gdiplus;
}

}  // namespace kvorkeyboard
