#include "keyboard/logic/HookKeyActions.h"

namespace kvorkeyboard {

namespace {

constexpr std::uint16_t kLeftWindowsScan = 0x15B, kRightWindowsScan = 0x15C;

bool isWindowsKey(std::uint16_t scanCode) { return scanCode == kLeftWindowsScan || scanCode == kRightWindowsScan; }
bool isAppCommandKey(std::uint32_t virtualKey) { return virtualKey >= 0xA6 && virtualKey <= 0xB7; }

// First press with Alt held. Letters are told by scan code so that the
// shortcuts sit on the same keys whatever the layout.
struct AltRow {
    std::uint16_t scanCode;
    KeystrokeAction action;
    bool altAlone;  // an Alt key itself: its release may be the keystroke
};
constexpr AltRow kAltTable[] = {
    {0x01, KEY_IGNORED, false},     // Esc
    {0x0F, KEY_IGNORED, false},     // Tab
    {0x19, SHORTCUT_PASS, false},   // P
    {0x21, SHORTCUT_FAIL, false},   // F
    {0x2D, SHORTCUT_ABORT, false},  // X
    {0x3E, SHORTCUT_ABORT, false},  // F4
    {0x38, KEY_IGNORED, true},      // left Alt
    {0x138, KEY_IGNORED, true},     // right Alt
};

KeystrokeAction firstPressWithAlt(std::uint16_t scanCode, bool& altPending) {
    altPending = false;
    for (const AltRow& row : kAltTable) {
        if (row.scanCode == scanCode) {
            altPending = row.altAlone;
            return row.action;
        }
    }
    return KEY_PRESSED;
}

KeystrokeAction firstPress(const HookKeystroke& key, bool& altPending) {
    const KeystrokeAction action = key.context ? firstPressWithAlt(key.scanCode, altPending) : KEY_PRESSED;
    return isWindowsKey(key.scanCode) ? WINDOWS_KEY_PRESSED : action;
}

KeystrokeAction autoRepeat(const HookKeystroke& key) {
    if (key.virtualKey == vk::Menu || key.virtualKey == vk::Snapshot) return KEY_IGNORED;
    return isWindowsKey(key.scanCode) ? WINDOWS_KEY_REPEATED : KEY_REPEATED;
}

KeystrokeAction release(const HookKeystroke& key, bool& altPending) {
    if (key.virtualKey == vk::Menu) {
        // Alt pressed and released with nothing in between counts as a key of its own.
        const bool alone = altPending;
        altPending = false;
        return alone ? KEY_PRESSED : KEY_RELEASED;
    }
    // Print Screen's press is taken by the system before a window sees it;
    // its release is the one event that stands for the key.
    return key.virtualKey == vk::Snapshot ? KEY_PRESSED : KEY_RELEASED;
}

}  // namespace

KeystrokeAction classifyHookKeystroke(const HookKeystroke& key, bool& altPending) {
    if (isAppCommandKey(key.virtualKey)) return APP_COMMAND_KEY;
    const bool down = !key.transitionState;
    if (down && !key.previousState) return firstPress(key, altPending);
    if (down) return autoRepeat(key);
    return release(key, altPending);
}

}  // namespace kvorkeyboard
