// Sequences of message-hook keystrokes and the codes the layout test must
// get for them, with the Alt-alone memory carried from event to event.
#include <gtest/gtest.h>

#include <vector>

#include "keyboard/logic/HookKeyActions.h"

using namespace kvorkeyboard;

namespace {

enum Phase { Press, Repeat, Release };
struct Step {
    std::uint32_t vk;
    std::uint16_t scan;
    Phase phase;
    bool alt;
};
struct Sequence {
    const char* rule;
    std::vector<Step> steps;
    std::vector<int> expected;
};

constexpr std::uint16_t kLAlt = 0x38, kRAlt = 0x138;
const Step kLAltDown{0x12, kLAlt, Press, true}, kLAltUp{0x12, kLAlt, Release, false};

TEST(HookKeyActions, SequencesOneRuleEach) {
    const Sequence rows[] = {
        {"ordinary key", {{'A', 0x1E, Press, false}, {'A', 0x1E, Repeat, false}, {'A', 0x1E, Release, false}},
         {KEY_PRESSED, KEY_REPEATED, KEY_RELEASED}},
        {"left Alt alone, once on release", {kLAltDown, {0x12, kLAlt, Repeat, true}, kLAltUp},
         {KEY_IGNORED, KEY_IGNORED, KEY_PRESSED}},
        {"right Alt alone", {{0x12, kRAlt, Press, true}, {0x12, kRAlt, Release, false}}, {KEY_IGNORED, KEY_PRESSED}},
        {"Alt as modifier of a shortcut", {kLAltDown, {'X', 0x2D, Press, true}, {'X', 0x2D, Release, true}, kLAltUp},
         {KEY_IGNORED, SHORTCUT_ABORT, KEY_RELEASED, KEY_RELEASED}},
        {"Alt+A cancels Alt alone", {kLAltDown, {'A', 0x1E, Press, true}, kLAltUp},
         {KEY_IGNORED, KEY_PRESSED, KEY_RELEASED}},
        {"a press without Alt context keeps Alt alone pending", {kLAltDown, {'B', 0x30, Press, false}, kLAltUp},
         {KEY_IGNORED, KEY_PRESSED, KEY_PRESSED}},
        {"left Windows key, Alt or not",
         {{0x5B, 0x15B, Press, false}, {0x5B, 0x15B, Repeat, false}, {0x5B, 0x15B, Release, false},
          {0x5B, 0x15B, Press, true}},
         {WINDOWS_KEY_PRESSED, WINDOWS_KEY_REPEATED, KEY_RELEASED, WINDOWS_KEY_PRESSED}},
        {"right Windows key", {{0x5C, 0x15C, Press, true}}, {WINDOWS_KEY_PRESSED}},
        {"scan 0x5B without the extended bit is ordinary", {{0x5B, 0x5B, Press, false}}, {KEY_PRESSED}},
        {"Print Screen reported on release",
         {{0x2C, 0x137, Press, false}, {0x2C, 0x137, Repeat, false}, {0x2C, 0x137, Release, false}},
         {KEY_PRESSED, KEY_IGNORED, KEY_PRESSED}},
        {"application commands first, whatever the phase",
         {{0xA6, 0x130, Press, true}, {0xAF, 0x130, Repeat, false}, {0xB7, 0x130, Release, false}},
         {APP_COMMAND_KEY, APP_COMMAND_KEY, APP_COMMAND_KEY}},
        {"just outside the command range", {{0xA5, kRAlt, Release, false}, {0xB8, 0x10, Press, false}},
         {KEY_RELEASED, KEY_PRESSED}},
    };
    for (const Sequence& row : rows) {
        bool altPending = false;
        std::vector<int> got;
        for (const Step& s : row.steps)
            got.push_back(classifyHookKeystroke({s.vk, s.scan, s.alt, s.phase != Press, s.phase == Release}, altPending));
        EXPECT_EQ(got, row.expected) << row.rule;
    }
}

TEST(HookKeyActions, AltTableDecidesFirstPressesByScanCode) {
    const struct {
        std::uint32_t vk;
        std::uint16_t scan;
        int expected;
    } rows[] = {
        {'P', 0x19, SHORTCUT_PASS}, {'F', 0x21, SHORTCUT_FAIL}, {'X', 0x2D, SHORTCUT_ABORT},
        {0x73, 0x3E, SHORTCUT_ABORT}, {0x1B, 0x01, KEY_IGNORED}, {0x09, 0x0F, KEY_IGNORED},
        // A French layout puts Q on P's virtual key code: the scan code decides.
        {'Q', 0x19, SHORTCUT_PASS}, {'P', 0x18, KEY_PRESSED},
    };
    for (const auto& r : rows) {
        bool pending = false;
        EXPECT_EQ(classifyHookKeystroke({r.vk, r.scan, true, false, false}, pending), r.expected) << r.scan;
        // Without Alt the same keys are plain presses; repeats never shortcut.
        EXPECT_EQ(classifyHookKeystroke({r.vk, r.scan, false, false, false}, pending), KEY_PRESSED);
        EXPECT_EQ(classifyHookKeystroke({r.vk, r.scan, true, true, false}, pending), KEY_REPEATED);
    }
}

}  // namespace
