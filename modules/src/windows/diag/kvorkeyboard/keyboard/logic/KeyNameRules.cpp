#include "keyboard/logic/KeyNameRules.h"

#include <optional>

namespace kvorkeyboard {

namespace {

KeyNameRule text(TextId id) { return {NameSource::Text, id}; }
KeyNameRule fixed(const kvo::UCS2Char* chars) { return {NameSource::Fixed, TextId::keyDefault, TextId::keyDefault, chars}; }
KeyNameRule byShift(const kvo::UCS2Char* up, const kvo::UCS2Char* shifted) {
    return {NameSource::ByShift, TextId::keyDefault, TextId::keyDefault, up, shifted};
}
const KeyNameRule kCharacter{NameSource::Character};
const KeyNameRule kSystemName{NameSource::SystemName};
const KeyNameRule kKeep{NameSource::Keep};
const KeyNameRule kDefault{NameSource::Text, TextId::keyDefault};

TextId offset(TextId first, std::uint32_t by) { return static_cast<TextId>(static_cast<int>(first) + static_cast<int>(by)); }

struct TextRow {
    std::uint32_t virtualKey;
    TextId id;
};
// Named alike by both handlers.
constexpr TextRow kCommonTexts[] = {
    {0x08, TextId::keyBackspace},    {0x09, TextId::keyTab},          {0x13, TextId::keyPause},
    {0x14, TextId::keyCapsLock},     {0x1B, TextId::keyEsc},          {0x20, TextId::keySpace},
    {0x2C, TextId::keyPrtScn},       {0x5B, TextId::keyLeftWindows},  {0x5C, TextId::keyRightWindows},
    {0x5D, TextId::keyApplication},  {0x6E, TextId::keyNumDelete},    {0x90, TextId::keyNumLock},
    {0x91, TextId::keyScrLk},
};

std::optional<KeyNameRule> commonRule(std::uint32_t virtualKey) {
    for (const TextRow& row : kCommonTexts) {
        if (row.virtualKey == virtualKey) return text(row.id);
    }
    if (virtualKey >= 0x60 && virtualKey <= 0x69) return text(offset(TextId::keyNum0, virtualKey - 0x60));
    if (virtualKey >= 0x70 && virtualKey <= 0x7B) return text(offset(TextId::keyF1, virtualKey - 0x70));
    if ((virtualKey >= 0x30 && virtualKey <= 0x39) || (virtualKey >= 0x41 && virtualKey <= 0x5A)) return kCharacter;
    return std::nullopt;
}

// The navigation keys double as the keypad's digits when Num Lock is off;
// the keypad sends them without the extended flag.
struct NavigationRow {
    std::uint32_t virtualKey;
    TextId navigation;
    TextId keypad;
    std::uint16_t keypadScan;
};
constexpr NavigationRow kNavigation[] = {
    {0x21, TextId::keyPageUp, TextId::keyNum9, 0x49},     {0x22, TextId::keyPageDown, TextId::keyNum3, 0x51},
    {0x23, TextId::keyEnd, TextId::keyNum1, 0x4F},        {0x24, TextId::keyHome, TextId::keyNum7, 0x47},
    {0x25, TextId::keyArrowLeft, TextId::keyNum4, 0x4B},  {0x26, TextId::keyArrowUp, TextId::keyNum8, 0x48},
    {0x27, TextId::keyArrowRight, TextId::keyNum6, 0x4D}, {0x28, TextId::keyArrowDown, TextId::keyNum2, 0x50},
    {0x2D, TextId::keyInsert, TextId::keyNum0, 0x52},     {0x2E, TextId::keyDelete, TextId::keyNumDelete, 0x53},
};

const NavigationRow* navigationRow(std::uint32_t virtualKey) {
    for (const NavigationRow& row : kNavigation) {
        if (row.virtualKey == virtualKey) return &row;
    }
    return nullptr;
}

// Keypad operators: the message hook shows the symbol, the low-level hook the name.
struct OperatorRow {
    std::uint32_t virtualKey;
    const kvo::UCS2Char* symbol;
    TextId id;
};
const OperatorRow kOperators[] = {
    {0x6A, KVO_U("*"), TextId::keyNumMultiply},
    {0x6B, KVO_U("+"), TextId::keyNumAdd},
    {0x6D, KVO_U("-"), TextId::keyNumSubtract},
    {0x6F, KVO_U("/"), TextId::keyNumDivide},
};

const OperatorRow* operatorRow(std::uint32_t virtualKey) {
    for (const OperatorRow& row : kOperators) {
        if (row.virtualKey == virtualKey) return &row;
    }
    return nullptr;
}

// Dead keys and keys whose character ToUnicodeEx reports badly on these
// layouts get the character printed on the key cap.
constexpr std::uint16_t kAnySub = 0xFFFF;
struct LayoutRow {
    std::uint32_t virtualKey;
    std::uint16_t primary;
    std::uint16_t sub;
    const kvo::UCS2Char* up;
    const kvo::UCS2Char* shifted;
};
const LayoutRow kLayoutRows[] = {
    {0xBA, lang::Swedish, kAnySub, KVO_U("^"), nullptr},
    {0xBA, lang::Danish, kAnySub, KVO_U("\u00A8"), KVO_U("^")},
    {0xBA, lang::Finnish, kAnySub, KVO_U("\u00A8"), KVO_U("^")},
    {0xBA, lang::Dutch, kAnySub, KVO_U("]"), KVO_U("}")},
    {0xC0, lang::Dutch, lang::SubNetherlands, KVO_U("\u00B4"), KVO_U("`")},
    {0xDB, lang::Danish, kAnySub, KVO_U("\u00B4"), KVO_U("`")},
    {0xDB, lang::Finnish, kAnySub, KVO_U("\u00B4"), KVO_U("`")},
    {0xDB, lang::Portuguese, lang::SubBrazil, KVO_U("\u00B4"), KVO_U("`")},
    {0xDC, lang::German, kAnySub, KVO_U("^"), KVO_U("\u00B0")},
    {0xDD, lang::German, kAnySub, KVO_U("\u00B4"), KVO_U("`")},
    {0xDD, lang::Dutch, lang::SubNetherlands, KVO_U("["), KVO_U("{")},
    {0xDD, lang::French, kAnySub, KVO_U("^"), KVO_U("\u00A8")},
    {0xDE, lang::Dutch, lang::SubNetherlands, KVO_U("@"), KVO_U("\u00A7")},
    {0xDE, lang::Portuguese, lang::SubBrazil, KVO_U("~"), KVO_U("^")},
};

KeyNameRule layoutRule(std::uint32_t virtualKey, LayoutLanguage language) {
    for (const LayoutRow& row : kLayoutRows) {
        if (row.virtualKey == virtualKey && language.is(row.primary) && (row.sub == kAnySub || language.sub == row.sub)) {
            return byShift(row.up, row.shifted);
        }
    }
    return kCharacter;
}

bool isLayoutRuleKey(std::uint32_t virtualKey) {
    return virtualKey == 0xBA || virtualKey == 0xC0 || (virtualKey >= 0xDB && virtualKey <= 0xDE);
}
bool isCharacterKey(std::uint32_t virtualKey) {
    return (virtualKey >= 0xBB && virtualKey <= 0xBF) || virtualKey == 0xDF || virtualKey == 0xE2;
}

KeyNameRule ifLanguage(LayoutLanguage language, std::uint16_t primary, KeyNameRule then, KeyNameRule otherwise) {
    return language.is(primary) ? then : otherwise;
}

}  // namespace

KeyNameRule hookKeyNameRule(std::uint32_t virtualKey, std::uint16_t scanCode, LayoutLanguage language) {
    if (auto rule = commonRule(virtualKey)) return *rule;
    if (const NavigationRow* row = navigationRow(virtualKey)) {
        return text(scanCode == row->keypadScan ? row->keypad : row->navigation);
    }
    if (const OperatorRow* row = operatorRow(virtualKey)) return fixed(row->symbol);
    switch (virtualKey) {
    case 0x0D: return text(scanCode == 0x11C ? TextId::keyNumEnter : TextId::keyEnter);
    case 0x10: return {NameSource::LeftOrRight, TextId::keyLeftShift, TextId::keyRightShift};
    case 0x11: return {NameSource::LeftOrRight, TextId::keyLeftCtrl, TextId::keyRightCtrl};
    case 0x12: return {NameSource::LeftOrRight, TextId::keyLeftAlt, TextId::keyRightAlt};
    case 0xC2: return ifLanguage(language, lang::Portuguese, fixed(KVO_U(".")), kKeep);
    default: return kSystemName;
    }
}

KeyNameRule llKeyNameRule(std::uint32_t virtualKey, std::uint32_t scanCode, bool extended, LayoutLanguage language) {
    if (auto rule = commonRule(virtualKey)) return *rule;
    if (const NavigationRow* row = navigationRow(virtualKey)) return text(extended ? row->navigation : row->keypad);
    if (const OperatorRow* row = operatorRow(virtualKey)) return text(row->id);
    if (isLayoutRuleKey(virtualKey)) return layoutRule(virtualKey, language);
    if (isCharacterKey(virtualKey)) return kCharacter;
    switch (virtualKey) {
    case 0x0C:  // Clear: keypad 5 with Num Lock off
    case 0x0D:
        if (extended) return text(TextId::keyNumEnter);
        return text(scanCode == 0x4C ? TextId::keyNum5 : TextId::keyEnter);
    case 0x10: return text(TextId::keyLeftShift);
    case 0x11: return text(TextId::keyRightCtrl);
    case 0x12: return text(TextId::keyRightAlt);
    case 0x15:
        return ifLanguage(language, lang::Korean,
                          text(scanCode == 0xF2 ? TextId::keyKoreanHangulEnglish : TextId::keyRightAlt), kCharacter);
    case 0x19:
        return ifLanguage(language, lang::Korean, text(scanCode == 0xF1 ? TextId::keyHanja : TextId::keyRightCtrl),
                          kCharacter);
    case 0xA0: return text(TextId::keyLeftShift);
    case 0xA1: return text(TextId::keyRightShift);
    case 0xA2: return text(TextId::keyLeftCtrl);
    case 0xA3: return text(TextId::keyRightCtrl);
    case 0xA4: return text(TextId::keyLeftAlt);
    case 0xA5: return layoutHasAltGr(language) ? fixed(KVO_U("Alt Gr")) : text(TextId::keyRightAlt);
    case 0xC1: return ifLanguage(language, lang::Japanese, fixed(KVO_U("\\")), kCharacter);
    case 0xC2: return ifLanguage(language, lang::Portuguese, fixed(KVO_U(".")), kDefault);
    case 0xEB: return ifLanguage(language, lang::Japanese, text(TextId::keyNoConversion), kDefault);
    case 0xFF: {
        if (!language.is(lang::Japanese)) return kDefault;
        if (scanCode == 0x70) return text(TextId::keyKatakanaRomaji);
        return scanCode == 0x79 ? text(TextId::keyConversion) : kKeep;
    }
    default: return kDefault;
    }
}

}  // namespace kvorkeyboard
