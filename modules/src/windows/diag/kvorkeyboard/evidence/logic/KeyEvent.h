#pragma once
// One key going down or up, as both hooks can tell it: the key identifier
// (scan code, plus 0x100 for an extended key, as the layout libraries number
// keys) and the direction. Decoded from the hooks' raw numbers, so that the
// journal needs no Windows header.
#include <cstdint>
#include <optional>

namespace kvorkeyboard {

// Key identifiers run below this; anything else is no key of a keyboard.
constexpr std::uint16_t kKeyIdentifiers = 512;

struct KeyEvent {
    std::uint16_t key;
    bool down;     // a press or an auto-repeat; else a release
    bool wasDown;  // the system says the key was already down before this event
};

// Scan code 0 is no key: it is what keystrokes sent by programs carry, the
// layout test's own among them, so they never reach a report as a key.

// A low-level hook event: the key message and the KBDLLHOOKSTRUCT's scan code
// and flags. None for other messages and for scan codes beyond a keyboard's.
std::optional<KeyEvent> lowLevelKeyEvent(std::uint32_t message, std::uint32_t scanCode, std::uint32_t flags);

// A message hook event: the keystroke word, whose bits 16-24 are already the identifier.
std::optional<KeyEvent> keystrokeWordEvent(std::uint32_t word);

}  // namespace kvorkeyboard
