#pragma once
// Classification of a low-level hook event. Low-level events carry no
// auto-repeat information, so each key's down/up state and timing are kept
// here, per scan code.
#include <cstdint>

#include "keyboard/logic/KeystrokeAction.h"

namespace kvorkeyboard {

struct LLKeyTiming {
    std::uint32_t downTime = 0;  // event time of the press that began the hold
    std::uint32_t lastTime = 0;  // event time of the latest press, repeat or release
    bool isDown = false;
};

struct LLEvent {
    std::uint32_t message;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP
    std::uint32_t virtualKey;
    bool altDown;
    std::uint32_t time;
};

namespace msg {
constexpr std::uint32_t KeyDown = 0x100, KeyUp = 0x101, SysKeyDown = 0x104, SysKeyUp = 0x105;
}

// Hangul and Hanja on a Korean keyboard send a press and no release; they are
// reset before each event so that every press counts as new.
void forgetOneShotKey(LLKeyTiming& key, std::uint32_t time);

// Updates `key` and returns the event's class; an event that is not a key
// message is KEY_IGNORED and logged.
KeystrokeAction classifyLowLevelEvent(LLKeyTiming& key, const LLEvent& event);

// Whether the rest of the system must not see the key: everything but
// Shift and the lock keys (whose lamps the system must keep driving), and
// Alt+Print Screen, which copies the window.
bool shouldBlockLowLevelKey(std::uint32_t virtualKey, bool altDown);

}  // namespace kvorkeyboard
