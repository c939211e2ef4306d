#include "keyboard/logic/LLKeyActions.h"

#include <algorithm>
#include <iterator>

#include "kvo/Logging.h"

namespace kvorkeyboard {

namespace {

kvo::LoggerRef g_log("kvorkeyboard.LLHookKeyboardHandler");

struct ShortcutRow {
    std::uint32_t virtualKey;
    KeystrokeAction action;
};
constexpr ShortcutRow kShortcuts[] = {
    {vk::F, SHORTCUT_FAIL},
    {vk::P, SHORTCUT_PASS},
    {vk::X, SHORTCUT_ABORT},
};

constexpr std::uint32_t kPassedKeys[] = {vk::Shift, vk::Capital, vk::NumLock, vk::Scroll, vk::LShift, vk::RShift};

KeystrokeAction press(LLKeyTiming& key, std::uint32_t time) {
    key.lastTime = time;
    if (key.isDown) return KEY_REPEATED;
    key.isDown = true;
    key.downTime = time;
    return KEY_PRESSED;
}

KeystrokeAction release(LLKeyTiming& key, std::uint32_t time) {
    // A key held before the test began has no press to pair with.
    if (!key.isDown) return KEY_IGNORED;
    key.isDown = false;
    key.lastTime = time;
    return KEY_RELEASED;
}

}  // namespace

void forgetOneShotKey(LLKeyTiming& key, std::uint32_t time) {
    key.isDown = false;
    key.lastTime = time;
    key.downTime = time;
}

KeystrokeAction classifyLowLevelEvent(LLKeyTiming& key, const LLEvent& event) {
    if (event.altDown) {
        // Shortcuts answer on every event of the letter and leave its state alone.
        for (const ShortcutRow& row : kShortcuts) {
            if (row.virtualKey == event.virtualKey) return row.action;
        }
    }
    switch (event.message) {
    case msg::KeyDown:
    case msg::SysKeyDown:
        return press(key, event.time);
    case msg::KeyUp:
    case msg::SysKeyUp:
        return release(key, event.time);
    default:
        KVO_LOG(g_log, 1, "key_state is invalid");
        return KEY_IGNORED;
    }
}

bool shouldBlockLowLevelKey(std::uint32_t virtualKey, bool altDown) {
    if (virtualKey == vk::Snapshot) return !altDown;
    return std::find(std::begin(kPassedKeys), std::end(kPassedKeys), virtualKey) == std::end(kPassedKeys);
}

}  // namespace kvorkeyboard
