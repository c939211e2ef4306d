// The low-level handler's own down/up bookkeeping: what it reports and what
// it remembers, since the hook tells it nothing about auto-repeat.
#include <gtest/gtest.h>

#include "keyboard/logic/LLKeyActions.h"
#include "kvo/Logging.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;

namespace {

LLEvent down(std::uint32_t vk, std::uint32_t time, bool alt = false) { return {msg::KeyDown, vk, alt, time}; }
LLEvent up(std::uint32_t vk, std::uint32_t time, bool alt = false) { return {msg::KeyUp, vk, alt, time}; }

TEST(LLKeyActions, HoldMeasuresFromThePressToTheReleaseAcrossTheTickWrap) {
    LLKeyTiming key;
    EXPECT_EQ(classifyLowLevelEvent(key, down('A', 0xFFFFFF00u)), KEY_PRESSED);
    EXPECT_EQ(classifyLowLevelEvent(key, {msg::SysKeyDown, 'A', false, 0x80}), KEY_REPEATED);
    EXPECT_EQ(classifyLowLevelEvent(key, {msg::SysKeyUp, 'A', false, 0x100}), KEY_RELEASED);
    EXPECT_EQ(key.lastTime - key.downTime, 0x200u);
    // A release without a press (also a key held before the test) changes nothing.
    EXPECT_EQ(classifyLowLevelEvent(key, up('A', 0x300)), KEY_IGNORED);
    EXPECT_EQ(key.lastTime, 0x100u);
}

TEST(LLKeyActions, ShortcutsAnswerEveryEventAndLeaveTheKeyAlone) {
    for (auto [vk, action] : {std::pair{0x50u, SHORTCUT_PASS}, std::pair{0x46u, SHORTCUT_FAIL},
                              std::pair{0x58u, SHORTCUT_ABORT}}) {
        LLKeyTiming key;
        EXPECT_EQ(classifyLowLevelEvent(key, {msg::SysKeyDown, vk, true, 10}), action);
        EXPECT_EQ(classifyLowLevelEvent(key, {msg::SysKeyUp, vk, true, 20}), action);
        // Alt released first: the key's release now has no press to pair with.
        EXPECT_EQ(classifyLowLevelEvent(key, up(vk, 30)), KEY_IGNORED);
        EXPECT_EQ(classifyLowLevelEvent(key, down(vk, 40)), KEY_PRESSED);
    }
    LLKeyTiming other;
    EXPECT_EQ(classifyLowLevelEvent(other, down(0x73, 1, true)), KEY_PRESSED);  // Alt+F4 is no shortcut here
}

TEST(LLKeyActions, OtherMessagesAreIgnoredAndLogged) {
    kvo::ScopedLogCapture capture(1);
    LLKeyTiming key;
    EXPECT_EQ(classifyLowLevelEvent(key, {0x102, 'A', false, 5}), KEY_IGNORED);
    EXPECT_FALSE(key.isDown);
    EXPECT_EQ(kvorkeyboard::testing::logLines(capture, "kvorkeyboard.LLHookKeyboardHandler"),
              std::vector<std::string>{"1:key_state is invalid"});
}

TEST(LLKeyActions, OnlyShiftTheLockKeysAndAltPrintScreenPassThrough) {
    for (std::uint32_t vk : {0x10u, 0x14u, 0x90u, 0x91u, 0xA0u, 0xA1u, 0x11u, 0x12u, 0x5Bu, 0x09u, 0xA5u, 0x41u}) {
        const bool passes = vk == 0x10 || vk == 0x14 || vk == 0x90 || vk == 0x91 || vk == 0xA0 || vk == 0xA1;
        EXPECT_EQ(shouldBlockLowLevelKey(vk, false), !passes) << vk;
        EXPECT_EQ(shouldBlockLowLevelKey(vk, true), !passes) << vk;
    }
    EXPECT_TRUE(shouldBlockLowLevelKey(0x2C, false));
    EXPECT_FALSE(shouldBlockLowLevelKey(0x2C, true));
}

}  // namespace
