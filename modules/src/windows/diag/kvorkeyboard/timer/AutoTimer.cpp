#include "AutoTimer.h"

#include "kvo/Exception.h"

bool CAutoTimer::setTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse) {
    KVO_ASSERT(hWnd != 0);
    const bool bAssigningWindowTimerToAnotherWindow = m_bActive && hWnd != m_hWnd;
    KVO_ASSERT(!bAssigningWindowTimerToAnotherWindow);
    KVO_ASSERT(nIDEvent != 0);

    if (m_timers.setTimer(hWnd, nIDEvent, uElapse) == 0) return false;
    m_bActive = true;
    m_hWnd = hWnd;
    m_nIDEvent = nIDEvent;
    return true;
}

bool CAutoTimer::killTimer() {
    if (!m_bActive) return true;
    if (!m_timers.killTimer(m_hWnd, m_nIDEvent)) return false;
    m_bActive = false;
    m_hWnd = nullptr;
    m_nIDEvent = 0;
    return true;
}
