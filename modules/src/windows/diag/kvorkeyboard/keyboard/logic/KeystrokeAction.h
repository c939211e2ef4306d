#pragma once
// How a keyboard handler classifies one hook event; the dialogs react to
// these codes and the numbers are part of what they rely on.
#include <cstdint>

namespace kvorkeyboard {

enum KeystrokeAction : std::int32_t {
    KEY_PRESSED = 1,
    KEY_IGNORED = 2,
    KEY_REPEATED = 3,
    KEY_RELEASED = 4,
    SHORTCUT_PASS = 5,
    SHORTCUT_FAIL = 6,
    SHORTCUT_ABORT = 7,
    WINDOWS_KEY_PRESSED = 8,
    WINDOWS_KEY_REPEATED = 9,
    APP_COMMAND_KEY = 10,
};

// Virtual keys the decisions name; plain numbers so that this code builds
// without the Windows headers.
namespace vk {
constexpr std::uint32_t Clear = 0x0C, Enter = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12, Capital = 0x14,
                        Hangul = 0x15, Hanja = 0x19, Escape = 0x1B, Tab = 0x09, Snapshot = 0x2C,
                        NumLock = 0x90, Scroll = 0x91, LShift = 0xA0, RShift = 0xA1, F = 0x46, P = 0x50,
                        X = 0x58;
}  // namespace vk

}  // namespace kvorkeyboard
