#pragma once
// Where a key's display name comes from. The two handlers see different
// things about a key (the message hook: scan code with the extended bit;
// the low-level hook: the extended flag apart), so each has its own rules;
// the handler then fetches the text, asks the layout or the system, or
// keeps the name the key had.
#include <cstdint>

#include "keyboard/logic/LayoutLanguage.h"
#include "kvo/String.h"
#include "texts/LocalizedStringIds.h"

namespace kvorkeyboard {

enum class NameSource {
    Text,            // the localized text `text`
    Fixed,           // the module's own `fixed`
    ByShift,         // `fixed` without Shift, `fixedShifted` with it (null: keep the name)
    Character,       // what the layout produces for the key
    SystemName,      // the system's key name (message hook only)
    LeftOrRight,     // `text` or `rightText`, by the side the scan code maps to (message hook only)
    Keep,            // the name stays as it was
};

struct KeyNameRule {
    NameSource source;
    TextId text = TextId::keyDefault;
    TextId rightText = TextId::keyDefault;
    const kvo::UCS2Char* fixed = nullptr;
    const kvo::UCS2Char* fixedShifted = nullptr;
};

// `scanCode` includes 0x100 for an extended key.
KeyNameRule hookKeyNameRule(std::uint32_t virtualKey, std::uint16_t scanCode, LayoutLanguage language);

KeyNameRule llKeyNameRule(std::uint32_t virtualKey, std::uint32_t scanCode, bool extended, LayoutLanguage language);

}  // namespace kvorkeyboard
