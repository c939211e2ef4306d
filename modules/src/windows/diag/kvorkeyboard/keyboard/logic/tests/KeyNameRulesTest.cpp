// Where each handler takes a key's name from. The message hook sees the scan
// code with the extended bit, the low-level hook the extended flag apart.
#include <gtest/gtest.h>

#include <string>

#include "keyboard/logic/KeyNameRules.h"

using namespace kvorkeyboard;

namespace {

const LayoutLanguage kUs{lang::English, lang::SubUnitedStates}, kUk{lang::English, lang::SubUnitedKingdom},
    kGerman{lang::German, 1}, kKorean{lang::Korean, 1}, kJapanese{lang::Japanese, 1}, kSwedish{lang::Swedish, 1},
    kBelgian{lang::Dutch, 2}, kBrazil{lang::Portuguese, 1};

std::string text(TextId id) { return "text " + std::to_string(static_cast<int>(id)); }

std::string describe(const KeyNameRule& rule) {
    const char* const sources[] = {"text", "fixed", "shift", "character", "system", "side", "keep"};
    std::string out = sources[static_cast<int>(rule.source)];
    if (rule.source == NameSource::Text || rule.source == NameSource::LeftOrRight)
        out += " " + std::to_string(static_cast<int>(rule.text));
    if (rule.source == NameSource::LeftOrRight) out += " " + text(rule.rightText);
    if (rule.fixed) out += " " + kvo::String(rule.fixed).toUtf8();
    if (rule.source == NameSource::ByShift) out += rule.fixedShifted ? " " + kvo::String(rule.fixedShifted).toUtf8() : " (keep)";
    return out;
}
// `scan` carries 0x100 for an extended key.
std::string hookName(std::uint32_t vk, std::uint16_t scan, LayoutLanguage language = kUs) { return describe(hookKeyNameRule(vk, scan, language)); }
std::string llName(std::uint32_t vk, std::uint16_t scan, LayoutLanguage language = kUs) {
    return describe(llKeyNameRule(vk, scan & 0xFF, scan > 0xFF, language));
}

// Keys whose name depends on the scan code or the layout's language: each
// row as each handler names it.
const struct Row { std::uint32_t vk; std::uint16_t scan; LayoutLanguage language; std::string hook, ll; } kRows[] = {
    {0x0C, 0x4C, kUs, "system", text(TextId::keyNum5)}, {0x0C, 0x14C, kUs, "system", text(TextId::keyNumEnter)},
    {0x0D, 0x1C, kUs, text(TextId::keyEnter), text(TextId::keyEnter)}, {0x0D, 0x11C, kUs, text(TextId::keyNumEnter), text(TextId::keyNumEnter)},
    {0xA5, 0x138, kUs, "system", text(TextId::keyRightAlt)}, {0xA5, 0x138, kUk, "system", "fixed Alt Gr"},
    {0xA5, 0x138, kGerman, "system", "fixed Alt Gr"}, {0xA5, 0x138, kJapanese, "system", text(TextId::keyRightAlt)},
    {0xC2, 0x7E, kBrazil, "fixed .", "fixed ."}, {0xC2, 0x7E, kUs, "keep", text(TextId::keyDefault)},
    {0xBA, 0x1B, kSwedish, "system", "shift ^ (keep)"}, {0xC0, 0x29, kBelgian, "system", "character"},
    {0x15, 0xF2, kKorean, "system", text(TextId::keyKoreanHangulEnglish)}, {0x15, 0xF2, kJapanese, "system", "character"},
    {0x15, 0x138, kKorean, "system", text(TextId::keyRightAlt)},
    {0x19, 0xF1, kKorean, "system", text(TextId::keyHanja)}, {0x19, 0x11D, kKorean, "system", text(TextId::keyRightCtrl)},
    {0xFF, 0x70, kJapanese, "system", text(TextId::keyKatakanaRomaji)}, {0xFF, 0x7D, kJapanese, "system", "keep"},
    {0xFF, 0x79, kJapanese, "system", text(TextId::keyConversion)}, {0xFF, 0x70, kUs, "system", text(TextId::keyDefault)},
};

TEST(KeyNameRules, KeysNamedByScanCodeOrLanguage) {
    for (const Row& r : kRows)
        EXPECT_EQ(std::make_pair(hookName(r.vk, r.scan, r.language), llName(r.vk, r.scan, r.language)),
                  std::make_pair(r.hook, r.ll)) << std::hex << r.vk;
}

// Set 1 puts the keypad at scan codes 0x47-0x53, with these caps. Without
// Num Lock the keypad sends the navigation keys' codes, unextended; the
// message hook tells them by scan code, the low-level hook by the extended
// flag, and over every virtual key both must name such a key by its cap,
// and the extended ones by their own names.
TEST(KeyNameRules, KeypadKeysWithoutNumLockAreNamedByTheirCaps) {
    const char caps[] = "789-456+1230.";
    int named = 0;
    for (std::uint32_t vk = 0; vk < 256; ++vk) {
        for (std::uint16_t scan = 0x47; scan <= 0x53; ++scan) {
            const std::string hook = hookName(vk, scan), extended = hookName(vk, scan | 0x100);
            if (hook == extended) continue;
            const char cap = caps[scan - 0x47];
            EXPECT_EQ(hook, text(cap == '.' ? TextId::keyNumDelete
                                             : static_cast<TextId>(static_cast<int>(TextId::keyNum0) + cap - '0')))
                << std::hex << vk << " " << scan;
            EXPECT_EQ(llName(vk, scan), hook) << std::hex << vk;
            EXPECT_EQ(llName(vk, scan | 0x100), extended) << std::hex << vk;
            ++named;
        }
    }
    EXPECT_EQ(named, 10);  // Page Up/Down, End, Home, the arrows, Insert, Delete
}

}  // namespace
