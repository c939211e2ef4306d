#include "SimpleTestDecisions.h"

#include <string>

#include "kvo/KVOValue.h"

namespace kvorkeyboard {

SimpleTestReaction reactionTo(KeystrokeAction action, const SimpleTestShortcuts& shortcuts) {
    switch (action) {
        case KEY_PRESSED:
            return SimpleTestReaction::ShowNewPress;
        case KEY_REPEATED:
            return SimpleTestReaction::ShowRepeat;
        case KEY_RELEASED:
            return SimpleTestReaction::ShowReleaseTime;
        case KEY_IGNORED:
            return SimpleTestReaction::Nothing;
        case SHORTCUT_PASS:
            return shortcuts.passEnabled && !shortcuts.passDisabled ? SimpleTestReaction::EndTest
                                                                    : SimpleTestReaction::Nothing;
        case SHORTCUT_FAIL:
            return shortcuts.failDisabled ? SimpleTestReaction::Nothing : SimpleTestReaction::EndTest;
        case SHORTCUT_ABORT:
            return shortcuts.abortDisabled ? SimpleTestReaction::Nothing : SimpleTestReaction::EndTest;
        default:
            return SimpleTestReaction::Unhandled;
    }
}

void appendToHistory(kvo::String& history, const kvo::String& keyName, bool newPress) {
    if (!history.empty() && newPress) history += "\r\n";
    history += keyName;
}

kvo::String keyCodeText(std::uint32_t code) {
    return kvo::KVOValue(static_cast<std::uint16_t>(code)).toHexString();
}

kvo::String depressedTimeText(std::uint32_t milliseconds) { return std::to_string(milliseconds) + " ms"; }

std::uint32_t nextDefaultNameColour() {
    static bool s_bBlueNext = true;
    const std::uint32_t colour = s_bBlueNext ? 0x00FF0000u : 0x000000FFu;
    s_bBlueNext = !s_bBlueNext;
    return colour;
}

}  // namespace kvorkeyboard
