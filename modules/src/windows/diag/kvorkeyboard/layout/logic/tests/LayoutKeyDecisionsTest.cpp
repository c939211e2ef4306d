#include "layout/logic/LayoutKeyDecisions.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;
using R = LayoutReaction;

namespace {

constexpr std::uint16_t kTab = 15, kEnter = 28, kCtrl = 29, kS = 31, kP = 25, kAlt = 56, kPadEnter = 284,
                        kAltGr = 312, kUp = 328, kLeft = 331, kRight = 333, kDown = 336;

LayoutKeystroke press(std::uint16_t key, bool alt = false) { return {KEY_PRESSED, key, true, alt}; }
LayoutKeystroke repeat(std::uint16_t key, bool alt = false) { return {KEY_REPEATED, key, true, alt}; }
LayoutKeystroke release(std::uint16_t key, bool alt = false) { return {KEY_RELEASED, key, false, alt}; }
LayoutKeystroke shortcut(KeystrokeAction action, bool alt = true) { return {action, kP, true, alt}; }

struct Step {
    LayoutKeystroke keystroke;
    R reaction;
};

// Feeds the steps to one state, as the hook would, and checks each reaction.
void expectSequence(LayoutInputState& state, std::initializer_list<Step> steps, ShortcutSwitches switches = {}) {
    int n = 0;
    for (const Step& step : steps)
        EXPECT_EQ(decideLayoutKeystroke(state, step.keystroke, switches), step.reaction) << "step " << n++;
}

// Even in the list mode; without Alt, or switched off,
// a shortcut's key is just a key.
TEST(LayoutKeyDecisions, ShortcutsEndTheTestInEveryInputModeUnlessSwitchedOff) {
    for (std::int32_t mode : {0, 1}) {
        LayoutInputState state;
        state.inputMode = mode;
        expectSequence(state, {{shortcut(SHORTCUT_PASS), R::EndTest}, {shortcut(SHORTCUT_FAIL), R::EndTest},
                               {shortcut(SHORTCUT_ABORT), R::EndTest}, {shortcut(SHORTCUT_PASS, false), R::Mark},
                               {press(kP), mode == 0 ? R::Mark : R::None}});
    }
    LayoutInputState state;
    expectSequence(state, {{shortcut(SHORTCUT_PASS), R::Mark}, {shortcut(SHORTCUT_FAIL), R::Mark},
                           {shortcut(SHORTCUT_ABORT), R::Mark}, {press(kS, true), R::Mark}},
                   {true, true, true, true});
}

// Most keys are marked at every event; Enter and S only when down, Alt only
// on a release that does not end Alt+S or Alt+Tab.
TEST(LayoutKeyDecisions, MarkingModeMarksEachKeyAtItsOwnEvents) {
    LayoutInputState state;
    expectSequence(state, {{press(kP), R::Mark}, {repeat(kP), R::Mark}, {release(kP), R::Mark},
                           {{APP_COMMAND_KEY, 0x120, true, false}, R::Mark}, {press(kUp), R::Mark}, {press(kTab), R::Mark},
                           {press(kEnter), R::Mark}, {release(kPadEnter), R::None},
                           {press(kS), R::Mark}, {release(kS), R::None},
                           {press(kAlt, true), R::None}, {release(kAlt), R::Mark},
                           // Alt+S, then an Alt event that only clears the reset
                           {press(kS, true), R::Reload}, {repeat(kAltGr, true), R::None}, {release(kAlt), R::Mark},
                           // Alt+Tab, then an Alt release that only clears it
                           {press(kTab, true), R::None}, {release(kAltGr), R::None}, {release(kAltGr), R::Mark}});
}

// Nothing is marked while the list is steered; it does not wrap around,
// and with no selection or one item nothing moves.
TEST(LayoutKeyDecisions, AltUpOrDownOpensTheTypeListWhichTheArrowsSteerUntilEnter) {
    LayoutInputState state;
    expectSequence(state, {{press(kDown, true), R::OpenTypeList}, {press(kDown), R::SelectNextType},
                           {repeat(kRight), R::SelectNextType}, {press(kUp), R::SelectPreviousType},
                           {press(kLeft), R::SelectPreviousType}, {release(kLeft), R::None}, {release(kEnter), R::None},
                           {press(kPadEnter), R::CommitType}, {press(kDown), R::Mark},
                           {press(kUp, true), R::OpenTypeList}, {press(kEnter), R::CommitType}});
    const struct {
        std::int32_t current, count, step, target;
    } cases[] = {{0, 3, +1, 1}, {2, 3, -1, 1}, {2, 3, +1, -1}, {0, 3, -1, -1}, {0, 1, +1, -1}, {-1, 3, +1, -1}};
    for (const auto& c : cases) EXPECT_EQ(neighbourType(c.current, c.count, c.step), c.target) << c.current << c.step;
}

// Only left Ctrl, only while armed, only for these languages, and only for
// 3.7 seconds, across the tick counter's wrap.
TEST(LayoutKeyDecisions, StartupCtrlIsIgnoredForLanguagesThatSwitchLayoutsWithIt) {
    for (std::uint16_t lang : {0x0407, 0x040A, 0x040C, 0x0410, 0x0413, 0x0416, 0x0C07, 0x0809, 0x0813})
        EXPECT_TRUE(ignoresStartupCtrl(lang, kCtrl, true)) << std::hex << lang;
    for (std::uint16_t lang : {0x0409, 0x0411, 0x0C09, 0x0419})
        EXPECT_FALSE(ignoresStartupCtrl(lang, kCtrl, true)) << std::hex << lang;
    EXPECT_FALSE(ignoresStartupCtrl(0x0407, kCtrl, false));
    EXPECT_FALSE(ignoresStartupCtrl(0x0407, 285, true)) << "right Ctrl";
    EXPECT_FALSE(startupCtrlExpired(1000 + 3699, 1000));
    EXPECT_TRUE(startupCtrlExpired(1000 + 3700, 1000));
    EXPECT_FALSE(startupCtrlExpired(100, 0xFFFFFFFFu - 1000));
    EXPECT_TRUE(startupCtrlExpired(3000, 0xFFFFFFFFu - 1000));
}

}  // namespace
