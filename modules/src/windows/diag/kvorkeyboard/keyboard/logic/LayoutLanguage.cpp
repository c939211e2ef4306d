#include "keyboard/logic/LayoutLanguage.h"

#include <algorithm>
#include <iterator>

namespace kvorkeyboard {

namespace {
constexpr std::uint16_t kAltGrLanguages[] = {
    lang::Arabic, lang::Czech,  lang::Danish,    lang::German, lang::Greek,  lang::Spanish,
    lang::Finnish, lang::French, lang::Hebrew,   lang::Italian, lang::Dutch, lang::Norwegian,
    lang::Polish, lang::Russian, lang::Slovak,   lang::Swedish, lang::Turkish,
};
}  // namespace

bool layoutHasAltGr(LayoutLanguage language) {
    // English is the one language whose answer depends on the sublanguage.
    if (language.is(lang::English, lang::SubUnitedKingdom)) return true;
    return std::find(std::begin(kAltGrLanguages), std::end(kAltGrLanguages), language.primary) !=
           std::end(kAltGrLanguages);
}

}  // namespace kvorkeyboard
