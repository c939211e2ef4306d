#pragma once
// The handler of the low-level hook (the simple and media-centre tests).
// Low-level events say nothing of auto-repeat, so each key's state and
// timing are kept here, one record per scan code; keys that differ only by
// the extended flag share a record.
#include <array>
#include <cstdint>

#include "keyboard/KeyboardHandler.h"
#include "keyboard/logic/LLKeyActions.h"

namespace kvorkeyboard {

struct LLKeyRecord : LLKeyTiming {
    std::uint32_t vkCode = 0;
    std::uint32_t scanCode = 0;
    std::uint32_t flags = 0;  // KBDLLHOOKSTRUCT flags of the key's latest event
    kvo::String name;
};

class LLHookKeyboardHandler : public KeyboardHandler {
public:
    // Reads "bForceKeyPressDefault" once, here.
    explicit LLHookKeyboardHandler(KeyboardInput& keyboard = systemKeyboard());

    // key_state: the key message; lParam: the event's KBDLLHOOKSTRUCT.
    KeystrokeAction handleKeystroke(WPARAM key_state, LPARAM lParam) override;
    bool wasKeyDown() const override { return false; }
    bool isKeyDown() const override { return (current().flags & LLKHF_UP) == 0; }
    bool isAltDown() const override { return (current().flags & LLKHF_ALTDOWN) != 0; }
    void dumpKeyInformation() override;

    std::uint32_t getVkCode() const { return current().vkCode; }
    std::uint32_t getScanCode() const { return current().scanCode; }
    kvo::String getKeyText() const { return current().name; }
    // Wraps like the tick count the times come from.
    std::uint32_t getDepressedTime() const { return current().lastTime - current().downTime; }
    // 1: the rest of the system must not see the key.
    int shouldBlockKey() const { return shouldBlockLowLevelKey(current().vkCode, isAltDown()) ? 1 : 0; }

private:
    const LLKeyRecord& current() const;
    LLKeyRecord& current() { return m_keys[static_cast<std::size_t>(m_nCurrentKey)]; }
    void getKeyName(LayoutLanguage language, HKL layout);
    void translateCharacter(HKL layout);

    std::array<LLKeyRecord, 512> m_keys{};
    int m_nCurrentKey = -1;
    bool m_bForceDefaultName;
};

}  // namespace kvorkeyboard
