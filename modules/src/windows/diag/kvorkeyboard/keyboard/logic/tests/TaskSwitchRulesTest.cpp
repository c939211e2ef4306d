#include <gtest/gtest.h>

#include "keyboard/logic/TaskSwitchRules.h"

using namespace kvorkeyboard;

namespace {

constexpr std::uint32_t kEsc = 0x1B, kTab = 0x09, kF4 = 0x73, kLWin = 0x5B, kShift = 0xA0;

TEST(TaskSwitchRules, TheFiveCombinationsAreCaught) {
    EXPECT_TRUE(isTaskSwitchCombination({kEsc, false, true, true, false, false}));     // Ctrl+Esc
    EXPECT_TRUE(isTaskSwitchCombination({kTab, true, false, false, false, true}));     // Alt+Tab
    EXPECT_TRUE(isTaskSwitchCombination({kEsc, true, false, true, false, false}));     // Alt+Esc
    EXPECT_TRUE(isTaskSwitchCombination({kShift, true, false, true, true, false}));    // Alt+Shift+Esc, Shift's event
    EXPECT_TRUE(isTaskSwitchCombination({kShift, true, false, false, true, true}));    // Alt+Shift+Tab, Shift's event
}

TEST(TaskSwitchRules, NeighboursAreLetThrough) {
    EXPECT_FALSE(isTaskSwitchCombination({kF4, true, false, false, false, false}));    // Alt+F4
    EXPECT_FALSE(isTaskSwitchCombination({kLWin, false, false, false, false, false}));  // Windows key
    EXPECT_FALSE(isTaskSwitchCombination({kLWin, true, true, false, false, false}));
    EXPECT_FALSE(isTaskSwitchCombination({kEsc, false, false, true, true, false}));    // Shift+Esc
    EXPECT_FALSE(isTaskSwitchCombination({kTab, false, true, false, false, true}));    // Ctrl+Tab
    // Esc and Tab held elsewhere matter only with Shift and Alt together.
    EXPECT_FALSE(isTaskSwitchCombination({'A', true, false, true, false, true}));
    EXPECT_FALSE(isTaskSwitchCombination({'A', false, false, true, true, true}));
    // Ctrl held while Esc is only sampled, not the event's key.
    EXPECT_FALSE(isTaskSwitchCombination({'A', false, true, true, false, false}));
}

}  // namespace
