#include "layout/logic/LayoutKeyDecisions.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;
using R = LayoutReaction;

namespace {

constexpr std::uint16_t kTab = 15, kEnter = 28, kCtrl = 29, kS = 31, kP = 25, kAlt = 56, kPadEnter = 284,
                        kAltGr = 312, kUp = 328, kLeft = 331, kRight = 333, kDown = 336, kWin = 347;

LayoutKeystroke press(std::uint16_t key, bool alt = false) { return {KEY_PRESSED, key, true, alt}; }
LayoutKeystroke repeat(std::uint16_t key, bool alt = false) { return {KEY_REPEATED, key, true, alt}; }
LayoutKeystroke release(std::uint16_t key, bool alt = false) { return {KEY_RELEASED, key, false, alt}; }

struct Step {
    LayoutKeystroke keystroke;
    R reaction;
};

// Feeds the steps to one state, as the hook would, and checks each reaction.
void expectSequence(LayoutInputState& state, std::initializer_list<Step> steps, ShortcutSwitches switches = {}) {
    int n = 0;
    for (const Step& step : steps) {
        EXPECT_EQ(decideLayoutKeystroke(state, step.keystroke, switches), step.reaction) << "step " << n;
        ++n;
    }
}

TEST(LayoutKeyDecisions, ShortcutsEndTheTestWithAltInEitherModeUnlessSwitchedOff) {
    for (std::int32_t mode : {0, 1}) {
        LayoutInputState state;
        state.inputMode = mode;
        expectSequence(state, {{{SHORTCUT_PASS, kP, true, true}, R::EndTest},
                               {{SHORTCUT_FAIL, 33, true, true}, R::EndTest},
                               {{SHORTCUT_ABORT, 45, true, true}, R::EndTest},
                               {{SHORTCUT_PASS, kP, true, false}, R::Mark}});
    }
    LayoutInputState state;
    ShortcutSwitches off{true, true, true, true};
    expectSequence(state, {{{SHORTCUT_PASS, kP, true, true}, R::Mark},
                           {{SHORTCUT_FAIL, 33, true, true}, R::Mark},
                           {{SHORTCUT_ABORT, 62, true, true}, R::Mark},
                           {press(kS, true), R::Mark},
                           {release(kS, true), R::None}},
                   off);
}

TEST(LayoutKeyDecisions, TheWindowsKeyInjectsOneReleaseThatIsSkippedAndIsMarkedOnItsOwnRelease) {
    LayoutInputState state;
    EXPECT_FALSE(skipsKeystroke(state));
    EXPECT_EQ(decideLayoutKeystroke(state, {WINDOWS_KEY_PRESSED, kWin, true, false}, {}), R::ReleaseWindowsKey);
    EXPECT_TRUE(skipsKeystroke(state));
    EXPECT_FALSE(skipsKeystroke(state));
    EXPECT_EQ(decideLayoutKeystroke(state, {WINDOWS_KEY_REPEATED, kWin, true, false}, {}), R::ReleaseWindowsKey);
    EXPECT_TRUE(skipsKeystroke(state));
    EXPECT_EQ(decideLayoutKeystroke(state, release(kWin), {}), R::Mark);
}

TEST(LayoutKeyDecisions, MarksOrdinaryKeysOnEveryEventButEnterAndSOnlyWhenDown) {
    LayoutInputState state;
    expectSequence(state, {{press(kP), R::Mark},
                           {repeat(kP), R::Mark},
                           {release(kP), R::Mark},
                           {{APP_COMMAND_KEY, 0x120, true, false}, R::Mark},
                           {{KEY_IGNORED, kCtrl, true, false}, R::Mark},
                           {press(kEnter), R::Mark},
                           {release(kEnter), R::None},
                           {release(kPadEnter), R::None},
                           {press(kS), R::Mark},
                           {release(kS), R::None},
                           {press(kUp), R::Mark},
                           {release(kDown), R::Mark},
                           {press(kTab), R::Mark}});
}

TEST(LayoutKeyDecisions, AltIsMarkedOnReleaseExceptTheOneEndingAltSOrAltTab) {
    LayoutInputState state;
    expectSequence(state, {{press(kAlt, true), R::None},
                           {repeat(kAlt, true), R::None},
                           {release(kAlt), R::Mark},
                           {press(kAlt, true), R::None},
                           {press(kS, true), R::Reload},
                           {repeat(kAltGr, true), R::None},  // the first Alt event after Alt+S only clears
                           {release(kAlt), R::Mark},
                           {press(kTab, true), R::None},
                           {release(kAltGr), R::None},
                           {release(kAltGr), R::Mark}});
    EXPECT_FALSE(state.resetPending);
    EXPECT_FALSE(state.altTabSeen);
}

TEST(LayoutKeyDecisions, AltUpOrDownOpensTheListWhichTheArrowsSteerUntilEnter) {
    LayoutInputState state;
    expectSequence(state, {{press(kDown, true), R::OpenTypeList},
                           {press(kDown), R::SelectNextType},
                           {repeat(kRight), R::SelectNextType},
                           {press(kUp), R::SelectPreviousType},
                           {press(kLeft), R::SelectPreviousType},
                           {release(kLeft), R::None},
                           {press(kP), R::None},   // nothing is marked while steering
                           {release(kAlt), R::None},
                           {{SHORTCUT_PASS, kP, true, true}, R::EndTest},
                           {press(kPadEnter), R::CommitType},
                           {press(kP), R::Mark}});
    EXPECT_EQ(state.inputMode, 0);
    expectSequence(state, {{press(kUp, true), R::OpenTypeList}, {release(kEnter), R::None}, {press(kEnter), R::CommitType}});
}

TEST(LayoutKeyDecisions, AnUnknownInputModeIsReportedForEveryKeyButTheShortcuts) {
    LayoutInputState state;
    state.inputMode = 2;
    expectSequence(state, {{press(kP), R::InvalidInputMode},
                           {release(kEnter), R::InvalidInputMode},
                           {{SHORTCUT_FAIL, 33, true, true}, R::EndTest}});
}

TEST(LayoutKeyDecisions, TheTypeListMovesOneItemWithoutWrappingAround) {
    EXPECT_EQ(neighbourType(0, 3, +1), 1);
    EXPECT_EQ(neighbourType(2, 3, -1), 1);
    EXPECT_EQ(neighbourType(2, 3, +1), -1);
    EXPECT_EQ(neighbourType(0, 3, -1), -1);
    EXPECT_EQ(neighbourType(0, 1, +1), -1);
    EXPECT_EQ(neighbourType(-1, 3, +1), -1);  // nothing selected
}

TEST(LayoutKeyDecisions, StartupCtrlIsIgnoredForLanguagesThatSwitchLayoutsWithIt) {
    struct Case {
        std::uint16_t lang;
        bool ignored;
    } const cases[] = {
        {0x0407, true},  {0x040A, true},  {0x040C, true},  {0x0410, true}, {0x0413, true},
        {0x0416, true},  {0x0C07, true},  {0x0809, true},  {0x0813, true}, {0x0409, false},
        {0x0411, false}, {0x0C09, false}, {0x0419, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ignoresStartupCtrl(c.lang, kCtrl, true), c.ignored) << std::hex << c.lang;
        EXPECT_FALSE(ignoresStartupCtrl(c.lang, kCtrl, false)) << std::hex << c.lang;
        EXPECT_FALSE(ignoresStartupCtrl(c.lang, 285, true)) << "right Ctrl always counts";
    }
}

TEST(LayoutKeyDecisions, StartupCtrlRuleEndsAfter3700MillisecondsAcrossTheTickWrap) {
    EXPECT_FALSE(startupCtrlExpired(1000 + 3699, 1000));
    EXPECT_TRUE(startupCtrlExpired(1000 + 3700, 1000));
    EXPECT_FALSE(startupCtrlExpired(100, 0xFFFFFFFFu - 1000));
    EXPECT_TRUE(startupCtrlExpired(3000, 0xFFFFFFFFu - 1000));
}

}  // namespace
