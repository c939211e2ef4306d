#include "timer/AutoTimer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/ScopedWin.h"
#include "kvo/Exception.h"

namespace {

// Grants or refuses timers and remembers every call.
class FakeTimers : public kvorkeyboard::WindowTimers {
public:
    struct Call {
        std::string what;
        HWND window;
        UINT_PTR id;
    };
    UINT_PTR setTimer(HWND hWnd, UINT_PTR nIDEvent, UINT) override {
        calls.push_back({"set", hWnd, nIDEvent});
        return refuseSet ? 0 : nIDEvent;
    }
    bool killTimer(HWND hWnd, UINT_PTR nIDEvent) override {
        calls.push_back({"kill", hWnd, nIDEvent});
        return !refuseKill;
    }
    std::vector<Call> calls;
    bool refuseSet = false;
    bool refuseKill = false;
};

const HWND w = reinterpret_cast<HWND>(0x10);
const HWND v = reinterpret_cast<HWND>(0x20);

// The failed expression, or "" when the call went through.
std::string assertionOf(CAutoTimer& guard, HWND window, UINT_PTR id) {
    try {
        (void)guard.setTimer(window, id, 1000);
    } catch (const kvo::AssertionFailure& e) {
        EXPECT_EQ(e.getSourceFile(), "AutoTimer");
        return e.getExpression();
    }
    return "";
}

}  // namespace

TEST(AutoTimerTest, WrongUseThrowsBeforeAnyTimerIsTouched) {
    FakeTimers timers;
    CAutoTimer guard(timers);
    EXPECT_EQ(assertionOf(guard, nullptr, 1), "hWnd != 0");
    EXPECT_EQ(assertionOf(guard, w, 0), "nIDEvent != 0");
    EXPECT_TRUE(timers.calls.empty());

    ASSERT_EQ(assertionOf(guard, w, 1), "");
    EXPECT_EQ(assertionOf(guard, v, 1), "!bAssigningWindowTimerToAnotherWindow");
    ASSERT_TRUE(guard.killTimer());
    EXPECT_EQ(timers.calls.size(), 2u);
    EXPECT_EQ(timers.calls.back().window, w) << "the first timer is still the one held";
}

TEST(AutoTimerTest, TheGuardAnswersForTheLastTimerGrantedUntilItIsKilled) {
    FakeTimers timers;
    CAutoTimer guard(timers);
    EXPECT_TRUE(guard.killTimer()) << "nothing held, nothing to kill";
    EXPECT_TRUE(timers.calls.empty());

    timers.refuseSet = true;
    EXPECT_FALSE(guard.setTimer(w, 7, 10));
    EXPECT_EQ(guard.getTimerId(), 0u) << "a refused timer is not held";
    timers.refuseSet = false;

    ASSERT_TRUE(guard.setTimer(w, 1, 1000));
    ASSERT_TRUE(guard.setTimer(w, 2, 500));
    timers.refuseKill = true;
    EXPECT_FALSE(guard.killTimer());
    EXPECT_EQ(guard.getTimerId(), 2u) << "a refused kill keeps the timer held";
    timers.refuseKill = false;
    ASSERT_TRUE(guard.killTimer());
    EXPECT_EQ(timers.calls.back().id, 2u);
    EXPECT_EQ(guard.getTimerId(), 0u);

    EXPECT_TRUE(guard.setTimer(v, 4, 10)) << "after a kill any window may be used";
}

// The production seam: the window itself receives WM_TIMER, and a killed
// timer sends nothing more.
TEST(AutoTimerTest, RealTimerReachesItsWindowUntilKilled) {
    const afx::ScopedWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                   GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(window);
    CAutoTimer guard;
    ASSERT_TRUE(guard.setTimer(window.get(), 42, 1));
    MSG msg;
    bool received = false;
    const DWORD deadline = GetTickCount() + 5000;
    while (!received && GetTickCount() < deadline) {
        if (PeekMessageW(&msg, window.get(), WM_TIMER, WM_TIMER, PM_REMOVE))
            received = msg.wParam == 42;
        else
            Sleep(1);
    }
    EXPECT_TRUE(received);
    ASSERT_TRUE(guard.killTimer());
    Sleep(20);
    EXPECT_FALSE(PeekMessageW(&msg, window.get(), WM_TIMER, WM_TIMER, PM_REMOVE));
}
