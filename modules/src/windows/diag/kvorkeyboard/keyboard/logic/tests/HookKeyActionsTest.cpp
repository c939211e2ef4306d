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

std::vector<int> run(const std::vector<Step>& steps, bool altPending = false) {
    std::vector<int> out;
    for (const Step& s : steps) {
        const HookKeystroke key{s.vk, s.scan, s.alt, s.phase != Press, s.phase == Release};
        out.push_back(classifyHookKeystroke(key, altPending));
    }
    return out;
}

constexpr std::uint16_t kLAlt = 0x38, kRAlt = 0x138;

TEST(HookKeyActions, OrdinaryKeyPressRepeatRelease) {
    EXPECT_EQ(run({{'A', 0x1E, Press, false}, {'A', 0x1E, Repeat, false}, {'A', 0x1E, Release, false}}),
              (std::vector<int>{KEY_PRESSED, KEY_REPEATED, KEY_RELEASED}));
}

TEST(HookKeyActions, AltAloneIsReportedOnceOnItsRelease) {
    EXPECT_EQ(run({{0x12, kLAlt, Press, true}, {0x12, kLAlt, Repeat, true}, {0x12, kLAlt, Release, false}}),
              (std::vector<int>{KEY_IGNORED, KEY_IGNORED, KEY_PRESSED}));
    EXPECT_EQ(run({{0x12, kRAlt, Press, true}, {0x12, kRAlt, Release, false}}),
              (std::vector<int>{KEY_IGNORED, KEY_PRESSED}));
}

TEST(HookKeyActions, AltAsModifierIsReportedOnlyThroughTheOtherKey) {
    EXPECT_EQ(run({{0x12, kLAlt, Press, true},
                   {'X', 0x2D, Press, true},
                   {'X', 0x2D, Release, true},
                   {0x12, kLAlt, Release, false}}),
              (std::vector<int>{KEY_IGNORED, SHORTCUT_ABORT, KEY_RELEASED, KEY_RELEASED}));
    // Alt+A is an ordinary press that still cancels Alt alone.
    EXPECT_EQ(run({{0x12, kLAlt, Press, true}, {'A', 0x1E, Press, true}, {0x12, kLAlt, Release, false}}),
              (std::vector<int>{KEY_IGNORED, KEY_PRESSED, KEY_RELEASED}));
}

TEST(HookKeyActions, AltTableDecidesFirstPressesByScanCode) {
    struct Row {
        std::uint32_t vk;
        std::uint16_t scan;
        int expected;
    } rows[] = {
        {'P', 0x19, SHORTCUT_PASS}, {'F', 0x21, SHORTCUT_FAIL}, {'X', 0x2D, SHORTCUT_ABORT},
        {0x73, 0x3E, SHORTCUT_ABORT}, {0x1B, 0x01, KEY_IGNORED}, {0x09, 0x0F, KEY_IGNORED},
        // A French layout puts Q on P's virtual key code: the scan code decides.
        {'Q', 0x19, SHORTCUT_PASS}, {'P', 0x18, KEY_PRESSED},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(run({{r.vk, r.scan, Press, true}}), std::vector<int>{r.expected}) << "scan " << r.scan;
        // Without Alt the same keys are plain presses; repeats never shortcut.
        EXPECT_EQ(run({{r.vk, r.scan, Press, false}}), std::vector<int>{KEY_PRESSED});
        EXPECT_EQ(run({{r.vk, r.scan, Repeat, true}}), std::vector<int>{KEY_REPEATED});
    }
}

TEST(HookKeyActions, WindowsKeysWinOverAlt) {
    for (std::uint16_t scan : {0x15B, 0x15C}) {
        EXPECT_EQ(run({{0x5B, scan, Press, false}, {0x5B, scan, Repeat, false}, {0x5B, scan, Release, false}}),
                  (std::vector<int>{WINDOWS_KEY_PRESSED, WINDOWS_KEY_REPEATED, KEY_RELEASED}));
        EXPECT_EQ(run({{0x5B, scan, Press, true}}), std::vector<int>{WINDOWS_KEY_PRESSED});
    }
    // Scan 0x5B without the extended bit is an ordinary key.
    EXPECT_EQ(run({{0x5B, 0x5B, Press, false}}), std::vector<int>{KEY_PRESSED});
}

TEST(HookKeyActions, PrintScreenIsReportedOnRelease) {
    EXPECT_EQ(run({{0x2C, 0x137, Press, false}, {0x2C, 0x137, Repeat, false}, {0x2C, 0x137, Release, false}}),
              (std::vector<int>{KEY_PRESSED, KEY_IGNORED, KEY_PRESSED}));
}

TEST(HookKeyActions, AppCommandRangeIsClassifiedBeforeAnythingElse) {
    for (std::uint32_t vk : {0xA6u, 0xAFu, 0xB7u}) {
        EXPECT_EQ(run({{vk, 0x130, Press, true}, {vk, 0x130, Repeat, false}, {vk, 0x130, Release, false}}),
                  (std::vector<int>{APP_COMMAND_KEY, APP_COMMAND_KEY, APP_COMMAND_KEY}));
    }
    EXPECT_EQ(run({{0xA5, kRAlt, Release, false}, {0xB8, 0x10, Press, false}}),
              (std::vector<int>{KEY_RELEASED, KEY_PRESSED}));
}

TEST(HookKeyActions, AltPendingSurvivesOnlyUntilTheNextAltPress) {
    bool pending = false;
    const HookKeystroke altPress{0x12, kLAlt, true, false, false};
    EXPECT_EQ(classifyHookKeystroke(altPress, pending), KEY_IGNORED);
    EXPECT_TRUE(pending);
    // A press without the Alt context (Alt went up unseen) leaves the memory alone.
    EXPECT_EQ(classifyHookKeystroke({'B', 0x30, false, false, false}, pending), KEY_PRESSED);
    EXPECT_TRUE(pending);
    EXPECT_EQ(classifyHookKeystroke({0x12, kLAlt, false, true, true}, pending), KEY_PRESSED);
    EXPECT_FALSE(pending);
}

}  // namespace
