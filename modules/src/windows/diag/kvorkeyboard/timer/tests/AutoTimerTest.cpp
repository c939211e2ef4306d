// The timer guard against timers that Windows may refuse: what it holds,
// and the wrong uses it stops before any timer is touched.
#include "timer/AutoTimer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kvo/Exception.h"

namespace {

struct FakeTimers : kvorkeyboard::WindowTimers {
    UINT_PTR setTimer(HWND window, UINT_PTR id, UINT) override { return calls.push_back({window, id}), refuse ? 0 : id; }
    bool killTimer(HWND window, UINT_PTR id) override { return calls.push_back({window, id}), !refuse; }
    std::vector<std::pair<HWND, UINT_PTR>> calls;
    bool refuse = false;
};

const HWND w = reinterpret_cast<HWND>(0x10), v = reinterpret_cast<HWND>(0x20);

TEST(AutoTimer, HoldsTheLastTimerGrantedUntilItsKillIsGranted) {
    FakeTimers timers;
    CAutoTimer guard(timers);
    const auto assertion = [&](HWND window, UINT_PTR id) -> std::string {
        try {
            return guard.setTimer(window, id, 10) ? "set" : "refused";
        } catch (const kvo::AssertionFailure& e) {
            const std::string message = e.getMessage().toUtf8();  // "Assertion failed: <expression> (<site>)"
            return message.substr(18, message.rfind(" (") - 18);
        }
    };
    EXPECT_TRUE(guard.killTimer());  // nothing held, nothing to kill
    EXPECT_EQ(assertion(nullptr, 1), "hWnd != 0");
    EXPECT_EQ(assertion(w, 0), "nIDEvent != 0");
    timers.refuse = true;
    EXPECT_EQ(assertion(w, 7), "refused");
    EXPECT_EQ(guard.getTimerId(), 0u);
    timers.refuse = false;
    EXPECT_EQ(assertion(w, 1), "set");
    EXPECT_EQ(assertion(w, 2), "set");
    EXPECT_EQ(assertion(v, 3), "!bAssigningWindowTimerToAnotherWindow");
    timers.refuse = true;
    EXPECT_FALSE(guard.killTimer());
    EXPECT_EQ(guard.getTimerId(), 2u);
    timers.refuse = false;
    EXPECT_TRUE(guard.killTimer());
    EXPECT_EQ(guard.getTimerId(), 0u);
    EXPECT_EQ(assertion(v, 4), "set");  // after a kill any window will do
    EXPECT_EQ(timers.calls, (std::vector<std::pair<HWND, UINT_PTR>>{{w, 7}, {w, 1}, {w, 2}, {w, 2}, {w, 2}, {v, 4}}));
}

}  // namespace
