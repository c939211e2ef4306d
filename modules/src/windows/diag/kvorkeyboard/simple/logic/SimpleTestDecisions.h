#pragma once
// What the simple test does with each classified keystroke, and how it
// writes what it shows. No Windows headers: built and tested natively too.
#include <cstdint>

#include "keyboard/logic/KeystrokeAction.h"
#include "kvo/String.h"

namespace kvorkeyboard {

enum class SimpleTestReaction {
    ShowNewPress,      // name, codes, time, lamps and a new history line
    ShowRepeat,        // the same name again on the history's last line
    ShowReleaseTime,   // only the held time changes
    EndTest,           // the verdict the shortcut names
    Nothing,
    Unhandled,         // an action this test has no use for; logged
};

struct SimpleTestShortcuts {
    bool passEnabled;  // Pass is offered only once a keystroke has been shown
    bool passDisabled;
    bool failDisabled;
    bool abortDisabled;
};

SimpleTestReaction reactionTo(KeystrokeAction action, const SimpleTestShortcuts& shortcuts);

// A new press starts a new line; an auto-repeat, or the first name of all,
// goes on the current one.
void appendToHistory(kvo::String& history, const kvo::String& keyName, bool newPress);

// "0x" and hexadecimal digits of the code taken as an unsigned 16-bit number.
kvo::String keyCodeText(std::uint32_t code);
// Milliseconds and the unit, e.g. "0 ms".
kvo::String depressedTimeText(std::uint32_t milliseconds);

// In default-name mode every key has the same name, so each new press
// changes the colour instead: blue (COLORREF 0x00FF0000) first, then red
// (0x000000FF), alternating for the whole process, across dialogs.
std::uint32_t nextDefaultNameColour();

}  // namespace kvorkeyboard
