#include "simple/logic/SimpleTestDecisions.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;
using R = SimpleTestReaction;

// Pass waits for a key shown; each switch turns off its own shortcut.
TEST(SimpleTestDecisionsTest, EveryActionUnderEveryShortcutSetting) {
    const SimpleTestShortcuts settings[] = {
        {true, false, false, false}, {false, false, false, false}, {true, true, false, false},
        {true, false, true, false},  {true, false, false, true}};
    const struct {
        KeystrokeAction action;
        R reactions[5];  // open, before the first key, Pass off, Fail off, Abort off
    } cases[] = {
        {SHORTCUT_PASS, {R::EndTest, R::Nothing, R::Nothing, R::EndTest, R::EndTest}},
        {SHORTCUT_FAIL, {R::EndTest, R::EndTest, R::EndTest, R::Nothing, R::EndTest}},
        {SHORTCUT_ABORT, {R::EndTest, R::EndTest, R::EndTest, R::EndTest, R::Nothing}},
    };
    for (const auto& c : cases)
        for (int i = 0; i < 5; ++i) EXPECT_EQ(reactionTo(c.action, settings[i]), c.reactions[i]) << c.action << i;
    const std::pair<KeystrokeAction, R> always[] = {{KEY_PRESSED, R::ShowNewPress}, {KEY_REPEATED, R::ShowRepeat},
        {KEY_RELEASED, R::ShowReleaseTime}, {KEY_IGNORED, R::Nothing}, {WINDOWS_KEY_PRESSED, R::Unhandled},
        {APP_COMMAND_KEY, R::Unhandled}};
    for (const auto& [action, reaction] : always)
        for (const auto& setting : settings) EXPECT_EQ(reactionTo(action, setting), reaction) << action;
}

// A new press starts a line, but never the first; codes are 16-bit.
TEST(SimpleTestDecisionsTest, HistoryCodesTimesAndColoursAsShown) {
    kvo::String history;
    for (const auto& [name, newPress] : {std::pair{"A", true}, {"A", false}, {"Left Alt", true}})
        appendToHistory(history, name, newPress);
    EXPECT_EQ(history, kvo::String("AA\r\nLeft Alt"));
    EXPECT_EQ(keyCodeText(0x1E) + " " + keyCodeText(0x1FFFF), kvo::String("0x1E 0xFFFF"));
    EXPECT_EQ(depressedTimeText(0) + " " + depressedTimeText(4294967295u), kvo::String("0 ms 4294967295 ms"));
    for (int i = 0; i < 2; ++i) {  // blue first, alternating for the whole process
        EXPECT_EQ(nextDefaultNameColour(), 0x00FF0000u);
        EXPECT_EQ(nextDefaultNameColour(), 0x000000FFu);
    }
}
