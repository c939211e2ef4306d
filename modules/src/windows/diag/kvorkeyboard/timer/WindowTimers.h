#pragma once
// Window timers as CAutoTimer sees them, so that tests can refuse a timer
// that Windows would have granted.
#include <windows.h>

namespace kvorkeyboard {

class WindowTimers {
public:
    virtual ~WindowTimers() = default;
    // SetTimer without a timer procedure: the window gets WM_TIMER. 0 on failure.
    virtual UINT_PTR setTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse) = 0;
    [[nodiscard]] virtual bool killTimer(HWND hWnd, UINT_PTR nIDEvent) = 0;
};

// The process's real timers.
WindowTimers& systemTimers();

}  // namespace kvorkeyboard
