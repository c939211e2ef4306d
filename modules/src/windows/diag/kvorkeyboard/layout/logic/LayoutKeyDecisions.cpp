#include "LayoutKeyDecisions.h"

namespace kvorkeyboard {
namespace {

namespace key {
constexpr std::uint16_t Tab = 15, Enter = 28, LeftCtrl = 29, S = 31, LeftAlt = 56, NumpadEnter = 284,
                        RightAlt = 312, Up = 328, Left = 331, Right = 333, Down = 336;
}

bool isEnter(std::uint16_t k) { return k == key::Enter || k == key::NumpadEnter; }

LayoutReaction shortcut(bool alt, bool disabled) {
    return alt && !disabled ? LayoutReaction::EndTest : LayoutReaction::Mark;
}

// Alt is marked on release, unless that release ends Alt+S or Alt+Tab.
LayoutReaction altKey(LayoutInputState& state, bool down) {
    if (state.resetPending) {
        state.resetPending = false;
        return LayoutReaction::None;
    }
    if (state.altTabSeen) {
        state.altTabSeen = false;
        return LayoutReaction::None;
    }
    return down ? LayoutReaction::None : LayoutReaction::Mark;
}

LayoutReaction marking(LayoutInputState& state, const LayoutKeystroke& k, const ShortcutSwitches& switches) {
    switch (k.key) {
    case key::Enter:
    case key::NumpadEnter:
        return k.down ? LayoutReaction::Mark : LayoutReaction::None;
    case key::Tab:
        if (!k.alt) return LayoutReaction::Mark;
        state.altTabSeen = true;
        return LayoutReaction::None;
    case key::S:
        if (k.alt && !switches.disableReset) {
            state.resetPending = true;
            return LayoutReaction::Reload;
        }
        return k.down ? LayoutReaction::Mark : LayoutReaction::None;
    case key::LeftAlt:
    case key::RightAlt:
        return altKey(state, k.down);
    case key::Up:
    case key::Down:
        if (!k.alt) return LayoutReaction::Mark;
        state.inputMode = 1;
        return LayoutReaction::OpenTypeList;
    default:
        return LayoutReaction::Mark;
    }
}

LayoutReaction steering(LayoutInputState& state, const LayoutKeystroke& k) {
    if (!k.down) return LayoutReaction::None;
    if (k.key == key::Left || k.key == key::Up) return LayoutReaction::SelectPreviousType;
    if (k.key == key::Right || k.key == key::Down) return LayoutReaction::SelectNextType;
    if (isEnter(k.key)) {
        state.inputMode = 0;
        return LayoutReaction::CommitType;
    }
    return LayoutReaction::None;
}

}  // namespace

bool skipsKeystroke(LayoutInputState& state) {
    const bool skip = state.skipNextKeystroke;
    state.skipNextKeystroke = false;
    return skip;
}

LayoutReaction decideLayoutKeystroke(LayoutInputState& state, const LayoutKeystroke& keystroke,
                                     const ShortcutSwitches& switches) {
    // Ending the test and the Windows key come first, in either input mode.
    switch (keystroke.action) {
    case SHORTCUT_PASS:
        return shortcut(keystroke.alt, switches.disablePass);
    case SHORTCUT_FAIL:
        return shortcut(keystroke.alt, switches.disableFail);
    case SHORTCUT_ABORT:
        return shortcut(keystroke.alt, switches.disableAbort);
    case WINDOWS_KEY_PRESSED:
    case WINDOWS_KEY_REPEATED:
        state.skipNextKeystroke = true;
        return LayoutReaction::ReleaseWindowsKey;
    default:
        break;
    }
    switch (state.inputMode) {
    case 0:
        return marking(state, keystroke, switches);
    case 1:
        return steering(state, keystroke);
    default:
        return LayoutReaction::InvalidInputMode;
    }
}

std::int32_t neighbourType(std::int32_t current, std::int32_t count, std::int32_t step) {
    const std::int32_t target = current + step;
    return current >= 0 && count >= 2 && target >= 0 && target < count ? target : -1;
}

bool ignoresStartupCtrl(std::uint16_t userLangId, std::uint16_t key, bool armed) {
    if (!armed || key != key::LeftCtrl) return false;
    switch (userLangId & 0x3FF) {
    case 0x07:  // German
    case 0x0A:  // Spanish
    case 0x0C:  // French
    case 0x10:  // Italian
    case 0x13:  // Dutch
    case 0x16:  // Portuguese
        return true;
    default:
        return (userLangId & 0xFC00) == 0x0800;  // sublanguage 2, e.g. English (United Kingdom)
    }
}

bool startupCtrlExpired(std::uint32_t nowTicks, std::uint32_t initTicks) {
    return static_cast<std::uint32_t>(nowTicks - initTicks) >= 3700;
}

}  // namespace kvorkeyboard
