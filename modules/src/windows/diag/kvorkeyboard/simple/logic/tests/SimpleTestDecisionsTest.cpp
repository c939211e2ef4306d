#include "simple/logic/SimpleTestDecisions.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;
using R = SimpleTestReaction;

TEST(SimpleTestDecisionsTest, EveryActionUnderEveryShortcutSetting) {
    const SimpleTestShortcuts open{true, false, false, false};
    const SimpleTestShortcuts beforeFirstKey{false, false, false, false};
    const SimpleTestShortcuts allDisabled{true, true, true, true};
    const struct {
        KeystrokeAction action;
        R open, beforeFirstKey, allDisabled;
    } cases[] = {
        {KEY_PRESSED, R::ShowNewPress, R::ShowNewPress, R::ShowNewPress},
        {KEY_REPEATED, R::ShowRepeat, R::ShowRepeat, R::ShowRepeat},
        {KEY_RELEASED, R::ShowReleaseTime, R::ShowReleaseTime, R::ShowReleaseTime},
        {KEY_IGNORED, R::Nothing, R::Nothing, R::Nothing},
        {SHORTCUT_PASS, R::EndTest, R::Nothing, R::Nothing},
        {SHORTCUT_FAIL, R::EndTest, R::EndTest, R::Nothing},
        {SHORTCUT_ABORT, R::EndTest, R::EndTest, R::Nothing},
        {WINDOWS_KEY_PRESSED, R::Unhandled, R::Unhandled, R::Unhandled},
        {WINDOWS_KEY_REPEATED, R::Unhandled, R::Unhandled, R::Unhandled},
        {APP_COMMAND_KEY, R::Unhandled, R::Unhandled, R::Unhandled},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reactionTo(c.action, open), c.open) << c.action;
        EXPECT_EQ(reactionTo(c.action, beforeFirstKey), c.beforeFirstKey) << c.action;
        EXPECT_EQ(reactionTo(c.action, allDisabled), c.allDisabled) << c.action;
    }
    EXPECT_EQ(reactionTo(SHORTCUT_PASS, {true, false, true, true}), R::EndTest) << "each flag is its own";
}

TEST(SimpleTestDecisionsTest, HistoryStartsLinesOnNewPressesOnly) {
    kvo::String history;
    appendToHistory(history, "A", false);  // an auto-repeat of a key held before the first press
    appendToHistory(history, "B", true);
    appendToHistory(history, "B", false);
    appendToHistory(history, "B", false);
    appendToHistory(history, "Left Alt", true);
    EXPECT_EQ(history, kvo::String("A\r\nBBB\r\nLeft Alt"));

    kvo::String fresh;
    appendToHistory(fresh, "Esc", true);
    EXPECT_EQ(fresh, kvo::String("Esc")) << "no empty first line";
}

TEST(SimpleTestDecisionsTest, CodesAndTimesAsShown) {
    EXPECT_EQ(keyCodeText(0x41), kvo::String("0x41"));
    EXPECT_EQ(keyCodeText(0x1E), kvo::String("0x1E"));
    EXPECT_EQ(keyCodeText(0x1FFFF), kvo::String("0xFFFF")) << "codes are 16-bit";
    EXPECT_EQ(depressedTimeText(0), kvo::String("0 ms"));
    EXPECT_EQ(depressedTimeText(4294967295u), kvo::String("4294967295 ms"));
}

TEST(SimpleTestDecisionsTest, DefaultNameColourAlternatesFromBlueForTheWholeProcess) {
    EXPECT_EQ(nextDefaultNameColour(), 0x00FF0000u);
    EXPECT_EQ(nextDefaultNameColour(), 0x000000FFu);
    EXPECT_EQ(nextDefaultNameColour(), 0x00FF0000u);
    EXPECT_EQ(nextDefaultNameColour(), 0x000000FFu);
}
