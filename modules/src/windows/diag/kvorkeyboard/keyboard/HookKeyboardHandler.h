#pragma once
// The handler of the message hook (the layout test). The keystroke word
// carries repeat, Alt and release information, so records follow it; the
// handler also keeps the filter hooks that stop media buttons and task
// switching while it exists.
#include <array>
#include <cstdint>

#include "keyboard/FilterHooks.h"
#include "keyboard/KeyboardHandler.h"

namespace kvorkeyboard {

struct HookKeyRecord {
    std::uint32_t vkCode = 0;
    std::uint16_t scanCode = 0;  // with 0x100 for an extended key: the record's index
    std::uint16_t repeatCount = 0;
    bool extended = false;
    bool context = false;
    bool previousState = false;
    bool transitionState = false;
    kvo::String name;
};

class HookKeyboardHandler : public KeyboardHandler {
public:
    explicit HookKeyboardHandler(KeyboardInput& keyboard = systemKeyboard());

    // wParam: the virtual key; lParam: the keystroke word.
    KeystrokeAction handleKeystroke(WPARAM wParam, LPARAM lParam) override;
    bool wasKeyDown() const override { return current().previousState; }
    bool isKeyDown() const override { return !current().transitionState; }
    bool isAltDown() const override { return current().context; }
    void dumpKeyInformation() override;

    // The key identifier the layout pictures are built on.
    std::uint16_t getScanCode() const { return current().scanCode; }
    const HookKeyRecord& currentKey() const { return current(); }

private:
    const HookKeyRecord& current() const;
    HookKeyRecord& current() { return m_keys[static_cast<std::size_t>(m_nCurrentKey)]; }
    void recordKey(WPARAM vk, LPARAM word);
    void getKeyName(LPARAM word);
    void translateCharacter(HKL layout);
    void getKeyNameText(LPARAM word);
    void nameBySide(const KeyNameRule& rule);

    std::array<HookKeyRecord, 512> m_keys{};
    int m_nCurrentKey = -1;
    bool m_bAltPending = false;
    FilterHooks m_filterHooks;  // last: installed once the records exist
};

}  // namespace kvorkeyboard
