#pragma once
// What the keyboard layout test does with each keystroke of its message hook:
// end the test, steer the keyboard-type list, restart the picture, or mark a
// key of the picture. No Windows headers, so every rule is tested natively.
#include <cstdint>

#include "keyboard/logic/KeystrokeAction.h"

namespace kvorkeyboard {

// Process-wide, like the hook: a new layout test starts with what the last
// one left.
struct LayoutInputState {
    std::int32_t inputMode = 0;  // 0: keys mark the picture; 1: keys steer the type list
    bool altTabSeen = false;     // the next Alt event only clears it
    bool resetPending = false;   // the next Alt event only clears it
    bool skipNextKeystroke = false;  // the injected release of the Windows-key handling
};

struct LayoutKeystroke {
    KeystrokeAction action;
    std::uint16_t key;  // key identifier: scan code, plus 0x100 when extended
    bool down;          // press or auto-repeat
    bool alt;
};

struct ShortcutSwitches {
    bool disablePass = false;
    bool disableFail = false;
    bool disableAbort = false;
    bool disableReset = false;
};

enum class LayoutReaction {
    None,
    EndTest,  // the verdict the shortcut names
    ReleaseWindowsKey,  // inject a key release so the Start menu does not open
    Mark,
    Reload,
    OpenTypeList,
    SelectPreviousType,
    SelectNextType,
    CommitType,
    InvalidInputMode,
};

// True (and forgets it) when this hook call is the injected release to skip.
bool skipsKeystroke(LayoutInputState& state);

// The reaction to one keystroke; updates `state` as the reaction requires.
LayoutReaction decideLayoutKeystroke(LayoutInputState& state, const LayoutKeystroke& keystroke,
                                     const ShortcutSwitches& switches);

// The item of the keyboard-type list `step` places (+1 or -1) from `current`,
// or -1 when there is none: the list does not wrap, and no selection
// (`current` -1) or a single item means nothing to move to.
std::int32_t neighbourType(std::int32_t current, std::int32_t count, std::int32_t step);

// Users whose keyboards are commonly switched with left Ctrl (and Shift) at
// logon may still hold Ctrl when the test opens: its first event is ignored.
bool ignoresStartupCtrl(std::uint16_t userLangId, std::uint16_t key, bool armed);
// The start-up Ctrl rule lasts this long; ticks wrap at 2^32 ms.
bool startupCtrlExpired(std::uint32_t nowTicks, std::uint32_t initTicks);

}  // namespace kvorkeyboard
