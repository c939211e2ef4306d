#pragma once
// Classification of a message-hook keystroke. The keystroke word already
// says whether the key was down and whether it is going up; what it cannot
// say is whether Alt was pressed on its own, which `altPending` remembers
// between events.
#include <cstdint>

#include "keyboard/logic/KeystrokeAction.h"

namespace kvorkeyboard {

struct HookKeystroke {
    std::uint32_t virtualKey;
    std::uint16_t scanCode;  // with 0x100 for an extended key
    bool context;            // Alt held
    bool previousState;      // already down
    bool transitionState;    // being released
};

KeystrokeAction classifyHookKeystroke(const HookKeystroke& key, bool& altPending);

}  // namespace kvorkeyboard
