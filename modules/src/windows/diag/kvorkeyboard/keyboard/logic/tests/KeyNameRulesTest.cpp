// Where each handler takes a key's name from, key by key and layout by
// layout. The expectations are written out here, not derived from the tables.
#include <gtest/gtest.h>

#include <string>

#include "keyboard/logic/KeyNameRules.h"

using namespace kvorkeyboard;

namespace {

const LayoutLanguage kUs{lang::English, lang::SubUnitedStates};
const LayoutLanguage kUk{lang::English, lang::SubUnitedKingdom};
const LayoutLanguage kGerman{lang::German, 0x01};

std::string utf8(const kvo::UCS2Char* text) { return text ? kvo::String(text).toUtf8() : std::string("(keep)"); }

// One readable line per rule, so that a wrong table entry shows what it gave.
std::string describe(const KeyNameRule& rule) {
    switch (rule.source) {
    case NameSource::Text: return "text " + std::to_string(static_cast<int>(rule.text));
    case NameSource::Fixed: return "fixed " + utf8(rule.fixed);
    case NameSource::ByShift: return "shift " + utf8(rule.fixed) + " " + utf8(rule.fixedShifted);
    case NameSource::Character: return "character";
    case NameSource::SystemName: return "system";
    case NameSource::LeftOrRight:
        return "side " + std::to_string(static_cast<int>(rule.text)) + " " + std::to_string(static_cast<int>(rule.rightText));
    case NameSource::Keep: return "keep";
    }
    return "?";
}
std::string text(TextId id) { return "text " + std::to_string(static_cast<int>(id)); }
std::string side(TextId l, TextId r) {
    return "side " + std::to_string(static_cast<int>(l)) + " " + std::to_string(static_cast<int>(r));
}

std::string hook(std::uint32_t vk, std::uint16_t scan, LayoutLanguage language = kUs) {
    return describe(hookKeyNameRule(vk, scan, language));
}
std::string ll(std::uint32_t vk, std::uint32_t scan, bool ext, LayoutLanguage language = kUs) {
    return describe(llKeyNameRule(vk, scan, ext, language));
}

TEST(KeyNameRules, KeysBothHandlersNameAlike) {
    struct Row {
        std::uint32_t vk;
        std::uint16_t scan;
        TextId id;
    } rows[] = {
        {0x08, 0x0E, TextId::keyBackspace}, {0x09, 0x0F, TextId::keyTab},       {0x13, 0x45, TextId::keyPause},
        {0x14, 0x3A, TextId::keyCapsLock},  {0x1B, 0x01, TextId::keyEsc},       {0x20, 0x39, TextId::keySpace},
        {0x2C, 0x137, TextId::keyPrtScn},   {0x5B, 0x15B, TextId::keyLeftWindows},
        {0x5C, 0x15C, TextId::keyRightWindows}, {0x5D, 0x15D, TextId::keyApplication},
        {0x60, 0x52, TextId::keyNum0},      {0x64, 0x4B, TextId::keyNum4},      {0x69, 0x49, TextId::keyNum9},
        {0x6E, 0x53, TextId::keyNumDelete}, {0x70, 0x3B, TextId::keyF1},        {0x75, 0x40, TextId::keyF6},
        {0x7B, 0x58, TextId::keyF12},       {0x90, 0x45, TextId::keyNumLock},   {0x91, 0x46, TextId::keyScrLk},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(hook(r.vk, r.scan), text(r.id)) << std::hex << r.vk;
        EXPECT_EQ(ll(r.vk, r.scan & 0xFF, r.scan > 0xFF), text(r.id)) << std::hex << r.vk;
    }
    for (std::uint32_t vk : {0x30u, 0x39u, 0x41u, 0x5Au}) {
        EXPECT_EQ(hook(vk, 0x10), "character");
        EXPECT_EQ(ll(vk, 0x10, false), "character");
    }
    // Just outside the letter and function-key ranges.
    EXPECT_EQ(hook(0x7C, 0x64), "system");
    EXPECT_EQ(ll(0x7C, 0x64, false), text(TextId::keyDefault));
    EXPECT_EQ(hook(0x3A, 0x10), "system");
}

TEST(KeyNameRules, NavigationKeysAgainstKeypadDigits) {
    struct Row {
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
    for (const Row& r : rows) {
        EXPECT_EQ(hook(r.vk, r.keypadScan), text(r.keypad)) << std::hex << r.vk;
        EXPECT_EQ(hook(r.vk, static_cast<std::uint16_t>(r.keypadScan | 0x100)), text(r.nav)) << std::hex << r.vk;
        EXPECT_EQ(ll(r.vk, r.keypadScan, false), text(r.keypad)) << std::hex << r.vk;
        EXPECT_EQ(ll(r.vk, r.keypadScan, true), text(r.nav)) << std::hex << r.vk;
    }
}

TEST(KeyNameRules, EnterClearAndKeypadOperators) {
    EXPECT_EQ(hook(0x0D, 0x11C), text(TextId::keyNumEnter));
    EXPECT_EQ(hook(0x0D, 0x1C), text(TextId::keyEnter));
    EXPECT_EQ(hook(0x0C, 0x4C), "system");
    EXPECT_EQ(ll(0x0D, 0x1C, true), text(TextId::keyNumEnter));
    EXPECT_EQ(ll(0x0D, 0x1C, false), text(TextId::keyEnter));
    EXPECT_EQ(ll(0x0C, 0x4C, false), text(TextId::keyNum5));
    EXPECT_EQ(ll(0x0C, 0x4C, true), text(TextId::keyNumEnter));
    EXPECT_EQ(hook(0x6A, 0x37), "fixed *");
    EXPECT_EQ(hook(0x6B, 0x4E), "fixed +");
    EXPECT_EQ(hook(0x6D, 0x4A), "fixed -");
    EXPECT_EQ(hook(0x6F, 0x135), "fixed /");
    EXPECT_EQ(ll(0x6A, 0x37, false), text(TextId::keyNumMultiply));
    EXPECT_EQ(ll(0x6B, 0x4E, false), text(TextId::keyNumAdd));
    EXPECT_EQ(ll(0x6D, 0x4A, false), text(TextId::keyNumSubtract));
    EXPECT_EQ(ll(0x6F, 0x35, true), text(TextId::keyNumDivide));
    EXPECT_EQ(hook(0x6C, 0x53), "system");
    EXPECT_EQ(ll(0x6C, 0x53, false), text(TextId::keyDefault));
}

TEST(KeyNameRules, Modifiers) {
    EXPECT_EQ(hook(0x10, 0x2A), side(TextId::keyLeftShift, TextId::keyRightShift));
    EXPECT_EQ(hook(0x11, 0x11D), side(TextId::keyLeftCtrl, TextId::keyRightCtrl));
    EXPECT_EQ(hook(0x12, 0x38), side(TextId::keyLeftAlt, TextId::keyRightAlt));
    for (std::uint32_t vk = 0xA0; vk <= 0xA5; ++vk) EXPECT_EQ(hook(vk, 0x2A), "system");
    EXPECT_EQ(ll(0x10, 0x36, false), text(TextId::keyLeftShift));
    EXPECT_EQ(ll(0x11, 0x1D, false), text(TextId::keyRightCtrl));
    EXPECT_EQ(ll(0x12, 0x38, false), text(TextId::keyRightAlt));
    EXPECT_EQ(ll(0xA0, 0x2A, false), text(TextId::keyLeftShift));
    EXPECT_EQ(ll(0xA1, 0x36, false), text(TextId::keyRightShift));
    EXPECT_EQ(ll(0xA2, 0x1D, false), text(TextId::keyLeftCtrl));
    EXPECT_EQ(ll(0xA3, 0x1D, true), text(TextId::keyRightCtrl));
    EXPECT_EQ(ll(0xA4, 0x38, false), text(TextId::keyLeftAlt));
}

TEST(KeyNameRules, RightAltIsAltGrWhereTheLayoutHasIt) {
    for (LayoutLanguage l : {kGerman, kUk, LayoutLanguage{lang::French, 1}, LayoutLanguage{lang::Turkish, 1}}) {
        EXPECT_EQ(ll(0xA5, 0x38, true, l), "fixed Alt Gr") << l.primary;
    }
    for (LayoutLanguage l : {kUs, LayoutLanguage{lang::Japanese, 1}, LayoutLanguage{0, 0}, LayoutLanguage{0x20, 1}}) {
        EXPECT_EQ(ll(0xA5, 0x38, true, l), text(TextId::keyRightAlt)) << l.primary;
    }
}

TEST(KeyNameRules, AltGrLanguages) {
    const std::uint16_t withAltGr[] = {0x01, 0x05, 0x06, 0x07, 0x08, 0x0A, 0x0B, 0x0C, 0x0D,
                                       0x10, 0x13, 0x14, 0x15, 0x19, 0x1B, 0x1D, 0x1F};
    int count = 0;
    for (std::uint16_t primary = 0; primary < 0x40; ++primary) {
        const bool expected = std::find(std::begin(withAltGr), std::end(withAltGr), primary) != std::end(withAltGr);
        EXPECT_EQ(layoutHasAltGr({primary, 1}), expected) << primary;
        count += layoutHasAltGr({primary, 3}) ? 1 : 0;
    }
    EXPECT_EQ(count, 17);
    EXPECT_TRUE(layoutHasAltGr(kUk));
    EXPECT_FALSE(layoutHasAltGr(kUs));
    EXPECT_FALSE(layoutHasAltGr({lang::English, 0x03}));
}

TEST(KeyNameRules, LanguageIsReadFromTheLayoutsLowWord) {
    const LayoutLanguage uk = LayoutLanguage::fromLayout(0xF0020809u);
    EXPECT_EQ(uk.primary, lang::English);
    EXPECT_EQ(uk.sub, lang::SubUnitedKingdom);
    EXPECT_FALSE(uk.isUsEnglish());
    EXPECT_TRUE(LayoutLanguage::fromLayout(0x04090409u).isUsEnglish());
    EXPECT_EQ(LayoutLanguage::fromLayout(0x04070407u).primary, lang::German);
}

TEST(KeyNameRules, LayoutRulesWithAndWithoutShift) {
    const LayoutLanguage sv{lang::Swedish, 1}, da{lang::Danish, 1}, fi{lang::Finnish, 1}, nl{lang::Dutch, 1},
        nlBe{lang::Dutch, 2}, ptBr{lang::Portuguese, 1}, ptPt{lang::Portuguese, 2}, fr{lang::French, 1};
    struct Row {
        std::uint32_t vk;
        LayoutLanguage language;
        const char* expected;
    } rows[] = {
        {0xBA, sv, "shift ^ (keep)"},   {0xBA, da, "shift \u00A8 ^"}, {0xBA, fi, "shift \u00A8 ^"},
        {0xBA, nl, "shift ] }"},        {0xBA, nlBe, "shift ] }"},   {0xC0, nl, "shift \u00B4 `"},
        {0xDB, da, "shift \u00B4 `"},   {0xDB, fi, "shift \u00B4 `"}, {0xDB, ptBr, "shift \u00B4 `"},
        {0xDC, kGerman, "shift ^ \u00B0"}, {0xDD, kGerman, "shift \u00B4 `"}, {0xDD, nl, "shift [ {"},
        {0xDD, fr, "shift ^ \u00A8"},   {0xDE, nl, "shift @ \u00A7"}, {0xDE, ptBr, "shift ~ ^"},
        // Not listed, or listed with another sublanguage: the layout's character.
        {0xC0, nlBe, "character"},      {0xDB, ptPt, "character"},    {0xDE, ptPt, "character"},
        {0xDD, nlBe, "character"},      {0xBA, kUs, "character"},     {0xDC, fr, "character"},
        {0xC0, kGerman, "character"},   {0xDE, kUk, "character"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ll(r.vk, 0x27, false, r.language), r.expected) << std::hex << r.vk << " " << r.language.primary;
        EXPECT_EQ(hook(r.vk, 0x27, r.language), "system");
    }
    for (std::uint32_t vk : {0xBBu, 0xBCu, 0xBFu, 0xDFu, 0xE2u}) EXPECT_EQ(ll(vk, 0x56, false, kGerman), "character");
}

TEST(KeyNameRules, AsianKeys) {
    const LayoutLanguage ko{lang::Korean, 1}, ja{lang::Japanese, 1};
    EXPECT_EQ(ll(0x15, 0xF2, false, ko), text(TextId::keyKoreanHangulEnglish));
    EXPECT_EQ(ll(0x15, 0x38, true, ko), text(TextId::keyRightAlt));
    EXPECT_EQ(ll(0x15, 0xF2, false, ja), "character");
    EXPECT_EQ(ll(0x19, 0xF1, false, ko), text(TextId::keyHanja));
    EXPECT_EQ(ll(0x19, 0x1D, true, ko), text(TextId::keyRightCtrl));
    EXPECT_EQ(ll(0x19, 0xF1, false, kUs), "character");
    EXPECT_EQ(hook(0x15, 0xF2, ko), "system");
    EXPECT_EQ(ll(0xC1, 0x73, false, ja), "fixed \\");
    EXPECT_EQ(ll(0xC1, 0x73, false, kUs), "character");
    EXPECT_EQ(ll(0xEB, 0x7B, false, ja), text(TextId::keyNoConversion));
    EXPECT_EQ(ll(0xEB, 0x7B, false, ko), text(TextId::keyDefault));
    EXPECT_EQ(ll(0xFF, 0x70, false, ja), text(TextId::keyKatakanaRomaji));
    EXPECT_EQ(ll(0xFF, 0x79, false, ja), text(TextId::keyConversion));
    EXPECT_EQ(ll(0xFF, 0x7D, false, ja), "keep");
    EXPECT_EQ(ll(0xFF, 0x70, false, kUs), text(TextId::keyDefault));
    EXPECT_EQ(hook(0xFF, 0x70, ja), "system");
}

TEST(KeyNameRules, BrazilianKeypadSeparator) {
    const LayoutLanguage pt{lang::Portuguese, 1};
    EXPECT_EQ(hook(0xC2, 0x7E, pt), "fixed .");
    EXPECT_EQ(hook(0xC2, 0x7E, kUs), "keep");
    EXPECT_EQ(ll(0xC2, 0x7E, false, pt), "fixed .");
    EXPECT_EQ(ll(0xC2, 0x7E, false, kUs), text(TextId::keyDefault));
}

}  // namespace
