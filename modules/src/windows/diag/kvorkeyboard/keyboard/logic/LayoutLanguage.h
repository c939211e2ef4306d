#pragma once
// The language of a keyboard layout, as the naming rules look at it: the
// low word of the layout handle, primary language in bits 0-9 and
// sublanguage in bits 10-15.
#include <cstdint>

namespace kvorkeyboard {

namespace lang {
constexpr std::uint16_t Arabic = 0x01, Czech = 0x05, Danish = 0x06, German = 0x07, Greek = 0x08, English = 0x09,
                        Spanish = 0x0A, Finnish = 0x0B, French = 0x0C, Hebrew = 0x0D, Italian = 0x10,
                        Japanese = 0x11, Korean = 0x12, Dutch = 0x13, Norwegian = 0x14, Polish = 0x15,
                        Portuguese = 0x16, Russian = 0x19, Slovak = 0x1B, Swedish = 0x1D, Turkish = 0x1F;
constexpr std::uint16_t SubUnitedStates = 0x01, SubUnitedKingdom = 0x02, SubNetherlands = 0x01, SubBrazil = 0x01;
}  // namespace lang

struct LayoutLanguage {
    std::uint16_t primary;
    std::uint16_t sub;

    static LayoutLanguage fromLayout(std::uintptr_t layoutHandle) {
        const auto id = static_cast<std::uint16_t>(layoutHandle & 0xFFFF);
        return {static_cast<std::uint16_t>(id & 0x3FF), static_cast<std::uint16_t>(id >> 10)};
    }
    bool is(std::uint16_t primaryLanguage) const { return primary == primaryLanguage; }
    bool is(std::uint16_t primaryLanguage, std::uint16_t subLanguage) const {
        return primary == primaryLanguage && sub == subLanguage;
    }
    bool isUsEnglish() const { return is(lang::English, lang::SubUnitedStates); }
};

// Whether the layout's right Alt key is AltGr.
bool layoutHasAltGr(LayoutLanguage language);

}  // namespace kvorkeyboard
