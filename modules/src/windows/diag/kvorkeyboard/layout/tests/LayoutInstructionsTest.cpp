#include "layout/LayoutInstructions.h"

#include <gtest/gtest.h>

#include "frame/LocalizedStrings.h"

using namespace kvorkeyboard;

namespace {

// The host's test double answers every text with its id.
TEST(LayoutInstructions, TheFirstTestsTextIsKeptForTheWholeProcess) {
    CreateLocalizedStrings();
    ShortcutSwitches first;
    first.disableAbort = true;
    const kvo::String expected =
        "msgInstructionsP1\r\n\r\nmsgInstructionsNoShortcutP4  msgInstructionsP5  msgInstructionsP6";
    EXPECT_EQ(layoutInstructions(first), expected);

    ShortcutSwitches later;
    later.disableReset = true;
    EXPECT_EQ(layoutInstructions(later), expected);
}

TEST(LayoutInstructions, BothStatusLinesFollowTheFailSwitchOnly) {
    ShortcutSwitches switches;
    switches.disablePass = switches.disableAbort = switches.disableReset = true;
    EXPECT_EQ(layoutSubInstruction1(switches), kvo::String("msgInstructionsP2"));
    EXPECT_EQ(layoutSubInstruction2(switches), kvo::String("msgInstructionsP3"));
    switches.disableFail = true;
    EXPECT_EQ(layoutSubInstruction1(switches), kvo::String("msgInstructionsNoShortcutP2"));
    EXPECT_EQ(layoutSubInstruction2(switches), kvo::String("msgInstructionsNoShortcutP3"));
}

}  // namespace
