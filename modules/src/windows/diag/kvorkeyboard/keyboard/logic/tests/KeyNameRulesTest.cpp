// Where each handler takes a key's name from, key by key and layout by
// layout. The expectations are written out here, not derived from the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "keyboard/logic/KeyNameRules.h"

using namespace kvorkeyboard;

namespace {

const LayoutLanguage kUs{lang::English, lang::SubUnitedStates}, kUk{lang::English, lang::SubUnitedKingdom},
    kGerman{lang::German, 1}, kKorean{lang::Korean, 1}, kJapanese{lang::Japanese, 1}, kSwedish{lang::Swedish, 1},
    kDanish{lang::Danish, 1}, kFinnish{lang::Finnish, 1}, kDutch{lang::Dutch, 1}, kBelgian{lang::Dutch, 2},
    kBrazil{lang::Portuguese, 1}, kPortugal{lang::Portuguese, 2}, kFrench{lang::French, 1};

std::string utf8(const kvo::UCS2Char* text) { return text ? kvo::String(text).toUtf8() : std::string("(keep)"); }
std::string text(TextId id) { return "text " + std::to_string(static_cast<int>(id)); }
std::string side(TextId left, TextId right) { return "side " + text(left) + " " + text(right); }

// One readable line per rule, so that a wrong table entry shows what it gave.
std::string describe(const KeyNameRule& rule) {
    switch (rule.source) {
    case NameSource::Text: return text(rule.text);
    case NameSource::Fixed: return "fixed " + utf8(rule.fixed);
    case NameSource::ByShift: return "shift " + utf8(rule.fixed) + " " + utf8(rule.fixedShifted);
    case NameSource::Character: return "character";
    case NameSource::SystemName: return "system";
    case NameSource::LeftOrRight: return side(rule.text, rule.rightText);
    case NameSource::Keep: return "keep";
    }
    return "?";
}

// One key, named by both handlers; `scan` carries 0x100 for an extended key,
// and an empty expectation means that handler is not asked.
struct Row {
    std::uint32_t vk;
    std::uint16_t scan;
    LayoutLanguage language;
    std::string hook, ll;
};

void check(std::initializer_list<Row> rows) {
    for (const Row& r : rows) {
        if (!r.hook.empty()) {
            EXPECT_EQ(describe(hookKeyNameRule(r.vk, r.scan, r.language)), r.hook) << std::hex << r.vk;
        }
        if (!r.ll.empty()) {
            EXPECT_EQ(describe(llKeyNameRule(r.vk, r.scan & 0xFF, r.scan > 0xFF, r.language)), r.ll) << std::hex << r.vk;
        }
    }
}
Row same(std::uint32_t vk, std::uint16_t scan, TextId id) { return {vk, scan, kUs, text(id), text(id)}; }

TEST(KeyNameRules, KeysBothHandlersNameAlike) {
    check({same(0x08, 0x0E, TextId::keyBackspace), same(0x09, 0x0F, TextId::keyTab), same(0x13, 0x45, TextId::keyPause),
           same(0x14, 0x3A, TextId::keyCapsLock), same(0x1B, 0x01, TextId::keyEsc), same(0x20, 0x39, TextId::keySpace),
           same(0x2C, 0x137, TextId::keyPrtScn), same(0x5B, 0x15B, TextId::keyLeftWindows),
           same(0x5C, 0x15C, TextId::keyRightWindows), same(0x5D, 0x15D, TextId::keyApplication),
           same(0x60, 0x52, TextId::keyNum0), same(0x69, 0x49, TextId::keyNum9), same(0x6E, 0x53, TextId::keyNumDelete),
           same(0x70, 0x3B, TextId::keyF1), same(0x7B, 0x58, TextId::keyF12), same(0x90, 0x45, TextId::keyNumLock),
           same(0x91, 0x46, TextId::keyScrLk), same(0x0D, 0x11C, TextId::keyNumEnter), same(0x0D, 0x1C, TextId::keyEnter),
           {0x30, 0x10, kUs, "character", "character"}, {0x5A, 0x10, kUs, "character", "character"},
           // Just outside the letter and function-key ranges.
           {0x7C, 0x64, kUs, "system", text(TextId::keyDefault)}, {0x3A, 0x10, kUs, "system", ""}});
}

TEST(KeyNameRules, NavigationKeysAgainstKeypadDigits) {
    const struct {
        std::uint32_t vk;
        std::uint16_t keypadScan;
        TextId nav, keypad;
    } rows[] = {
        {0x21, 0x49, TextId::keyPageUp, TextId::keyNum9},     {0x22, 0x51, TextId::keyPageDown, TextId::keyNum3},
        {0x23, 0x4F, TextId::keyEnd, TextId::keyNum1},        {0x24, 0x47, TextId::keyHome, TextId::keyNum7},
        {0x25, 0x4B, TextId::keyArrowLeft, TextId::keyNum4},  {0x26, 0x48, TextId::keyArrowUp, TextId::keyNum8},
        {0x27, 0x4D, TextId::keyArrowRight, TextId::keyNum6}, {0x28, 0x50, TextId::keyArrowDown, TextId::keyNum2},
        {0x2D, 0x52, TextId::keyInsert, TextId::keyNum0},     {0x2E, 0x53, TextId::keyDelete, TextId::keyNumDelete},
    };
    for (const auto& r : rows)
        check({same(r.vk, r.keypadScan, r.keypad), same(r.vk, static_cast<std::uint16_t>(r.keypadScan | 0x100), r.nav)});
}

TEST(KeyNameRules, WhereTheHandlersDiffer) {
    check({
        {0x0C, 0x4C, kUs, "system", text(TextId::keyNum5)},
        {0x0C, 0x14C, kUs, "", text(TextId::keyNumEnter)},
        {0x6A, 0x37, kUs, "fixed *", text(TextId::keyNumMultiply)},
        {0x6B, 0x4E, kUs, "fixed +", text(TextId::keyNumAdd)},
        {0x6D, 0x4A, kUs, "fixed -", text(TextId::keyNumSubtract)},
        {0x6F, 0x135, kUs, "fixed /", text(TextId::keyNumDivide)},
        {0x6C, 0x53, kUs, "system", text(TextId::keyDefault)},
        // The message hook names the shared modifiers by side; the low-level one by its own rule.
        {0x10, 0x2A, kUs, side(TextId::keyLeftShift, TextId::keyRightShift), ""},
        {0x11, 0x11D, kUs, side(TextId::keyLeftCtrl, TextId::keyRightCtrl), text(TextId::keyRightCtrl)},
        {0x12, 0x38, kUs, side(TextId::keyLeftAlt, TextId::keyRightAlt), text(TextId::keyRightAlt)},
        {0x10, 0x36, kUs, "", text(TextId::keyLeftShift)},
        {0xA0, 0x2A, kUs, "system", text(TextId::keyLeftShift)},
        {0xA1, 0x36, kUs, "system", text(TextId::keyRightShift)},
        {0xA2, 0x1D, kUs, "system", text(TextId::keyLeftCtrl)},
        {0xA3, 0x11D, kUs, "system", text(TextId::keyRightCtrl)},
        {0xA4, 0x38, kUs, "system", text(TextId::keyLeftAlt)},
        {0xA5, 0x138, kUs, "system", text(TextId::keyRightAlt)},
        {0xA5, 0x138, kGerman, "", "fixed Alt Gr"},
        {0xA5, 0x138, kUk, "", "fixed Alt Gr"},
        {0xA5, 0x138, kJapanese, "", text(TextId::keyRightAlt)},
        {0xC2, 0x7E, kBrazil, "fixed .", "fixed ."},
        {0xC2, 0x7E, kUs, "keep", text(TextId::keyDefault)},
    });
}

TEST(KeyNameRules, AltGrLanguages) {
    const std::uint16_t withAltGr[] = {0x01, 0x05, 0x06, 0x07, 0x08, 0x0A, 0x0B, 0x0C, 0x0D,
                                       0x10, 0x13, 0x14, 0x15, 0x19, 0x1B, 0x1D, 0x1F};
    for (std::uint16_t primary = 0; primary < 0x40; ++primary) {
        const bool expected = std::find(std::begin(withAltGr), std::end(withAltGr), primary) != std::end(withAltGr);
        EXPECT_EQ(layoutHasAltGr({primary, 3}), expected) << primary;
    }
    // English has it in the United Kingdom only.
    EXPECT_TRUE(layoutHasAltGr(kUk));
    EXPECT_FALSE(layoutHasAltGr(kUs));
    EXPECT_FALSE(layoutHasAltGr({lang::English, 0x03}));
    EXPECT_EQ(LayoutLanguage::fromLayout(0xF0020809u).sub, lang::SubUnitedKingdom);  // the low word counts
    EXPECT_TRUE(LayoutLanguage::fromLayout(0x04090409u).isUsEnglish());
}

TEST(KeyNameRules, LayoutRulesWithAndWithoutShift) {
    const struct {
        std::uint32_t vk;
        LayoutLanguage language;
        const char* expected;
    } rows[] = {
        {0xBA, kSwedish, "shift ^ (keep)"}, {0xBA, kDanish, "shift \u00A8 ^"}, {0xBA, kFinnish, "shift \u00A8 ^"},
        {0xBA, kDutch, "shift ] }"},        {0xBA, kBelgian, "shift ] }"},    {0xC0, kDutch, "shift \u00B4 `"},
        {0xDB, kDanish, "shift \u00B4 `"},  {0xDB, kFinnish, "shift \u00B4 `"}, {0xDB, kBrazil, "shift \u00B4 `"},
        {0xDC, kGerman, "shift ^ \u00B0"},  {0xDD, kGerman, "shift \u00B4 `"}, {0xDD, kDutch, "shift [ {"},
        {0xDD, kFrench, "shift ^ \u00A8"},  {0xDE, kDutch, "shift @ \u00A7"}, {0xDE, kBrazil, "shift ~ ^"},
        // Not listed, or listed with another sublanguage: the layout's character.
        {0xC0, kBelgian, "character"},      {0xDB, kPortugal, "character"},   {0xDE, kPortugal, "character"},
        {0xDD, kBelgian, "character"},      {0xBA, kUs, "character"},         {0xDC, kFrench, "character"},
        {0xC0, kGerman, "character"},       {0xDE, kUk, "character"},         {0xE2, kGerman, "character"},
    };
    for (const auto& r : rows) check({{r.vk, 0x27, r.language, "system", r.expected}});
}

TEST(KeyNameRules, AsianKeys) {
    check({
        {0x15, 0xF2, kKorean, "system", text(TextId::keyKoreanHangulEnglish)},
        {0x15, 0x138, kKorean, "", text(TextId::keyRightAlt)},
        {0x15, 0xF2, kJapanese, "", "character"},
        {0x19, 0xF1, kKorean, "", text(TextId::keyHanja)},
        {0x19, 0x11D, kKorean, "", text(TextId::keyRightCtrl)},
        {0x19, 0xF1, kUs, "", "character"},
        {0xC1, 0x73, kJapanese, "", "fixed \\"},
        {0xC1, 0x73, kUs, "", "character"},
        {0xEB, 0x7B, kJapanese, "", text(TextId::keyNoConversion)},
        {0xEB, 0x7B, kKorean, "", text(TextId::keyDefault)},
        {0xFF, 0x70, kJapanese, "system", text(TextId::keyKatakanaRomaji)},
        {0xFF, 0x79, kJapanese, "", text(TextId::keyConversion)},
        {0xFF, 0x7D, kJapanese, "", "keep"},
        {0xFF, 0x70, kUs, "", text(TextId::keyDefault)},
    });
}

}  // namespace
