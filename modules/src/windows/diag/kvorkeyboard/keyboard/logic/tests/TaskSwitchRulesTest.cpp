#include <gtest/gtest.h>

#include "keyboard/logic/TaskSwitchRules.h"

using namespace kvorkeyboard;

namespace {

constexpr std::uint32_t kEsc = 0x1B, kTab = 0x09, kF4 = 0x73, kLWin = 0x5B, kShift = 0xA0;

TEST(TaskSwitchRules, TheFiveCombinationsAreCaughtAndTheirNeighboursLetThrough) {
    const struct {
        const char* combination;
        TaskSwitchState state;  // key, Alt flag, then Ctrl, Esc, Shift, Tab held
        bool caught;
    } rows[] = {
        {"Ctrl+Esc", {kEsc, false, true, true, false, false}, true},
        {"Alt+Tab", {kTab, true, false, false, false, true}, true},
        {"Alt+Esc", {kEsc, true, false, true, false, false}, true},
        {"Alt+Shift+Esc, Shift's event", {kShift, true, false, true, true, false}, true},
        {"Alt+Shift+Tab, Shift's event", {kShift, true, false, false, true, true}, true},
        {"Alt+F4", {kF4, true, false, false, false, false}, false},
        {"Windows key", {kLWin, false, false, false, false, false}, false},
        {"Ctrl+Alt+Windows key", {kLWin, true, true, false, false, false}, false},
        {"Shift+Esc", {kEsc, false, false, true, true, false}, false},
        {"Ctrl+Tab", {kTab, false, true, false, false, true}, false},
        // Esc and Tab held elsewhere matter only with Shift and Alt together.
        {"Alt with Esc and Tab held", {'A', true, false, true, false, true}, false},
        {"Shift with Esc and Tab held", {'A', false, false, true, true, true}, false},
        {"Ctrl and Esc held under another key", {'A', false, true, true, false, false}, false},
    };
    for (const auto& row : rows) EXPECT_EQ(isTaskSwitchCombination(row.state), row.caught) << row.combination;
}

}  // namespace
