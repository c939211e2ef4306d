// What each handler makes of a keystroke: the message hook's codes, with the
// Alt-alone memory carried from event to event; the low-level hook's, with
// the down/up bookkeeping it must do itself and the keys the rest of the
// system may see; and the task-switch combinations the layout test keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "keyboard/logic/HookKeyActions.h"
#include "keyboard/logic/LLKeyActions.h"
#include "keyboard/logic/TaskSwitchRules.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;

namespace {

enum Phase { Press, Repeat, Release };
struct Step { std::uint32_t vk; std::uint16_t scan; Phase phase; bool alt; };
const Step kAltDown{0x12, 0x38, Press, true}, kAltUp{0x12, 0x38, Release, false};

TEST(HookKeyActions, SequencesOneRuleEach) {
    const struct { const char* rule; std::vector<Step> steps; std::vector<int> expected; } rows[] = {
        {"Alt alone, left or right, once on release",
         {kAltDown, {0x12, 0x38, Repeat, true}, kAltUp, {0x12, 0x138, Press, true}, {0x12, 0x138, Release, false}},
         {KEY_IGNORED, KEY_IGNORED, KEY_PRESSED, KEY_IGNORED, KEY_PRESSED}},
        {"Alt+F4 and Alt+X abort, Alt+Esc and Alt+Tab are nothing, Alt is then no key of its own",
         {kAltDown, {0x73, 0x3E, Press, true}, {'X', 0x2D, Press, true}, {0x1B, 0x01, Press, true},
          {0x09, 0x0F, Press, true}, kAltUp},
         {KEY_IGNORED, SHORTCUT_ABORT, SHORTCUT_ABORT, KEY_IGNORED, KEY_IGNORED, KEY_RELEASED}},
        {"Alt+P passes and Alt+F fails by scan code (Q on a French P key too); not without Alt or on repeat",
         {{'P', 0x19, Press, true}, {'F', 0x21, Press, true}, {'Q', 0x19, Press, true}, {'P', 0x18, Press, true},
          {'P', 0x19, Press, false}, {'P', 0x19, Repeat, true}},
         {SHORTCUT_PASS, SHORTCUT_FAIL, SHORTCUT_PASS, KEY_PRESSED, KEY_PRESSED, KEY_REPEATED}},
        {"Alt+A cancels Alt alone; then A's release", {kAltDown, {'A', 0x1E, Press, true}, kAltUp, {'A', 0x1E, Release, false}},
         {KEY_IGNORED, KEY_PRESSED, KEY_RELEASED, KEY_RELEASED}},
        {"a press without Alt keeps Alt alone pending", {kAltDown, {'B', 0x30, Press, false}, kAltUp},
         {KEY_IGNORED, KEY_PRESSED, KEY_PRESSED}},
        {"Windows keys, Alt or not, by scan code",
         {{0x5B, 0x15B, Press, false}, {0x5B, 0x15B, Repeat, false}, {0x5B, 0x15B, Release, false},
          {0x5C, 0x15C, Press, true}, {0x5B, 0x5B, Press, false}},
         {WINDOWS_KEY_PRESSED, WINDOWS_KEY_REPEATED, KEY_RELEASED, WINDOWS_KEY_PRESSED, KEY_PRESSED}},
        {"Print Screen on release", {{0x2C, 0x137, Press, false}, {0x2C, 0x137, Repeat, false}, {0x2C, 0x137, Release, false}},
         {KEY_PRESSED, KEY_IGNORED, KEY_PRESSED}},
        {"application commands first, whatever the phase, and just outside their range",
         {{0xA6, 0x130, Press, true}, {0xB7, 0x130, Release, false}, {0xA5, 0x138, Release, false}, {0xB8, 0x10, Press, false}},
         {APP_COMMAND_KEY, APP_COMMAND_KEY, KEY_RELEASED, KEY_PRESSED}},
    };
    for (const auto& row : rows) {
        bool altPending = false;
        std::vector<int> got;
        for (const Step& s : row.steps)
            got.push_back(classifyHookKeystroke({s.vk, s.scan, s.alt, s.phase != Press, s.phase == Release}, altPending));
        EXPECT_EQ(got, row.expected) << row.rule;
    }
}

// A release without a press (a key held before the test) changes nothing;
// Alt shortcuts answer every event of their letter and leave it alone.
TEST(LLKeyActions, HoldAcrossTheTickWrapShortcutsAndOtherMessages) {
    LLKeyTiming key;
    std::vector<int> got;
    for (const LLEvent& e : {LLEvent{msg::KeyDown, 'A', false, 0xFFFFFF00u}, {msg::SysKeyDown, 'A', false, 0x80},
                             {msg::SysKeyUp, 'A', false, 0x100}})
        got.push_back(classifyLowLevelEvent(key, e));
    EXPECT_EQ(key.lastTime - key.downTime, 0x200u);
    for (const LLEvent& e : {LLEvent{msg::KeyUp, 'A', false, 0x300}, {msg::SysKeyDown, 'P', true, 1},
                             {msg::SysKeyUp, 'F', true, 2}, {msg::KeyUp, 'X', true, 3}, {msg::SysKeyDown, 0x73, true, 4}})
        got.push_back(classifyLowLevelEvent(key, e));
    EXPECT_EQ(got, (std::vector<int>{KEY_PRESSED, KEY_REPEATED, KEY_RELEASED, KEY_IGNORED, SHORTCUT_PASS,
                                     SHORTCUT_FAIL, SHORTCUT_ABORT, KEY_PRESSED}));
    kvo::ScopedLogCapture capture(1);
    EXPECT_EQ(classifyLowLevelEvent(key, {0x102, 'A', false, 5}), KEY_IGNORED);
    EXPECT_EQ(kvorkeyboard::testing::logLines(capture, "kvorkeyboard.LLHookKeyboardHandler"),
              std::vector<std::string>{"1:key_state is invalid"});
}

// Shift and the lock keys must reach the system, which drives their lamps;
// Alt+Print Screen copies the window. Everything else is swallowed.
TEST(LLKeyActions, OnlyShiftTheLockKeysAndAltPrintScreenPassThrough) {
    const std::uint32_t passing[] = {0x10, 0x14, 0x90, 0x91, 0xA0, 0xA1};
    for (std::uint32_t vk = 0; vk < 256; ++vk) {
        const bool passes = std::find(std::begin(passing), std::end(passing), vk) != std::end(passing);
        EXPECT_EQ(shouldBlockLowLevelKey(vk, false), !passes) << vk;
        EXPECT_EQ(shouldBlockLowLevelKey(vk, true), !passes && vk != 0x2C) << vk;
    }
}

TEST(TaskSwitchRules, TheFiveCombinationsAreCaughtAndTheirNeighboursLetThrough) {
    // The state: key, Alt flag, then Ctrl, Esc, Shift, Tab held.
    const struct { const char* combination; TaskSwitchState state; bool caught; } rows[] = {
        {"Ctrl+Esc", {0x1B, false, true, true, false, false}, true}, {"Alt+Tab", {0x09, true, false, false, false, true}, true},
        {"Alt+Esc", {0x1B, true, false, true, false, false}, true},
        {"Alt+Shift+Esc, Shift's event", {0xA0, true, false, true, true, false}, true},
        {"Alt+Shift+Tab, Shift's event", {0xA0, true, false, false, true, true}, true},
        {"Alt+F4", {0x73, true, false, false, false, false}, false}, {"Windows", {0x5B, false, false, false, false, false}, false},
        {"Shift+Esc", {0x1B, false, false, true, true, false}, false}, {"Ctrl+Tab", {0x09, false, true, false, false, true}, false},
        // Esc and Tab held elsewhere matter only with Shift and Alt together.
        {"Alt with Esc and Tab held", {'A', true, false, true, false, true}, false},
        {"Shift with Esc and Tab held", {'A', false, false, true, true, true}, false},
    };
    for (const auto& row : rows) EXPECT_EQ(isTaskSwitchCombination(row.state), row.caught) << row.combination;
}

}  // namespace
