#pragma once
// Remembers which window and identifier a window timer was set for, so that
// its owner can stop it without keeping either. It refuses to move a running
// timer to another window and never holds a thread timer. The owner stops
// the timer with killTimer while its window still exists; the guard's
// destructor does not, because by then the window may be gone.
#include <windows.h>

#include "timer/WindowTimers.h"

class CAutoTimer {
public:
    explicit CAutoTimer(kvorkeyboard::WindowTimers& timers = kvorkeyboard::systemTimers()) : m_timers(timers) {}
    virtual ~CAutoTimer() = default;
    CAutoTimer(const CAutoTimer&) = delete;
    CAutoTimer& operator=(const CAutoTimer&) = delete;

    // Throws kvo::AssertionFailure for a null window, another window while
    // active, or identifier 0, before touching any timer. False, and the
    // guard unchanged, when Windows refuses the timer.
    [[nodiscard]] bool setTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse);
    // True when nothing is set; false, and the guard unchanged, when Windows
    // refuses to kill it.
    [[nodiscard]] bool killTimer();
    // 0 when inactive.
    UINT_PTR getTimerId() const { return m_nIDEvent; }

private:
    kvorkeyboard::WindowTimers& m_timers;
    bool m_bActive = false;
    HWND m_hWnd = nullptr;
    UINT_PTR m_nIDEvent = 0;
};
