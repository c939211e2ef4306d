#pragma once
// Turns the raw arguments of a keyboard hook call into a classified key
// event with a name. The dialog asks about the latest event right after
// handleKeystroke and before the next hook call.
#include <windows.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "keyboard/logic/KeyNameRules.h"
#include "keyboard/logic/KeystrokeAction.h"
#include "kvo/Logging.h"
#include "system/KeyboardInput.h"

namespace kvorkeyboard {

class KeyboardHandler {
public:
    KeyboardHandler(const KeyboardHandler&) = delete;
    KeyboardHandler& operator=(const KeyboardHandler&) = delete;

    virtual KeystrokeAction handleKeystroke(WPARAM wParam, LPARAM lParam) = 0;
    virtual bool wasKeyDown() const = 0;
    virtual bool isKeyDown() const = 0;
    virtual bool isAltDown() const = 0;
    // The latest event's details, at level 1 to the handler's logger.
    virtual void dumpKeyInformation() = 0;

    // The lamps as the test believes them: read once at the start, then
    // flipped by each first press of the key.
    bool isNumLockOn() const { return m_bNumLock; }
    bool isCapsLockOn() const { return m_bCapsLock; }
    bool isScrollLockOn() const { return m_bScrollLock; }
    void toggleNumLock() { m_bNumLock = !m_bNumLock; }
    void toggleCapsLock() { m_bCapsLock = !m_bCapsLock; }
    void toggleScrollLock() { m_bScrollLock = !m_bScrollLock; }

protected:
    KeyboardHandler(KeyboardInput& keyboard, kvo::LoggerRef& log);
    // Each dialog destroys its handler as the concrete class it holds.
    ~KeyboardHandler() = default;

    struct KeyField {
        const char* label;
        std::uint32_t value;
    };
    // The dump both handlers write: the name, then their own fields in order.
    void dumpKey(const kvo::String& name, std::initializer_list<KeyField> fields);

    // Called on a first press: flips the lamp if it is a lock key.
    void toggleLockOf(std::uint32_t virtualKey);

    HKL activeLayout() { return m_keyboard.getKeyboardLayout(0); }
    // A key's localized name. Fetching one from the host costs more than the
    // whole rest of a keystroke, and the host's language does not change
    // while a test runs, so each is fetched once per handler.
    const kvo::String& keyText(TextId id);
    // Settles the name for the sources both handlers treat alike (a text, a
    // fixed character, a character by Shift, keeping the name); false for
    // the ones the handler decides itself.
    bool applyCommonRule(const KeyNameRule& rule, kvo::String& name);
    // ToUnicodeEx for the key against the present keyboard state: its answer
    // (-1 dead key, 0 nothing, else the count) and up to two of the characters.
    int translate(std::uint32_t virtualKey, std::uint32_t scanCode, HKL layout, kvo::String& characters);

    KeyboardInput& m_keyboard;
    kvo::LoggerRef& m_log;

private:
    std::array<std::optional<kvo::String>, kTextCount> m_texts;
    bool m_bNumLock;
    bool m_bCapsLock;
    bool m_bScrollLock;
};

}  // namespace kvorkeyboard
