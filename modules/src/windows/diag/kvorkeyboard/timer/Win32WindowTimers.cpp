#include "WindowTimers.h"

namespace kvorkeyboard {
namespace {

class Win32WindowTimers final : public WindowTimers {
public:
    UINT_PTR setTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse) override {
        return ::SetTimer(hWnd, nIDEvent, uElapse, nullptr);
    }
    bool killTimer(HWND hWnd, UINT_PTR nIDEvent) override { return ::KillTimer(hWnd, nIDEvent) != FALSE; }
};

}  // namespace

WindowTimers& systemTimers() {
    static Win32WindowTimers timers;
    return timers;
}

}  // namespace kvorkeyboard
