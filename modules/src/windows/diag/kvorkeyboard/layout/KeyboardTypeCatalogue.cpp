#include "KeyboardTypeCatalogue.h"

#include "frame/LocalizedStrings.h"

namespace kvorkeyboard {
namespace {

struct KeyboardType {
    const char* englishName;
    TextId text;
};

// Searched in this order; the first equal name wins. "T Serries" is how the
// shipped libraries spell it, so that is what has to match.
constexpr KeyboardType kKeyboardTypes[] = {
    {"Media center keyboard.", TextId::KBMC},
    {"USB 99 key keyboard.", TextId::KBUSBF99},
    {"Standard 101 enhanced keyboard.", TextId::KBStandard101},
    {"Standard 104/109 key keyboard.", TextId::KBStandard104},
    {"Standard 106 key keyboard.", TextId::KBStandard106},
    {"B Series (Layout 1)", TextId::KBFujiB1},
    {"B Series (Layout 2)", TextId::KBFujiB2},
    {"C Series / E Series (Layout 1) / Other Fujitsu Keyboard", TextId::KBFujiC},
    {"E Series (Layout 2)", TextId::KBFujiE},
    {"N Series", TextId::KBFujiN},
    {"P Series (Layout 1)", TextId::KBFujiP1},
    {"P Series (Layout 2)", TextId::KBFujiP2},
    {"S Series (Layout 1) / T Serries", TextId::KBFujiS1},
    {"S Series (Layout 2)", TextId::KBFujiS2},
    {"TOUGHBOOK", TextId::KBToughBook},
};

}  // namespace

kvo::String keyboardTypeDisplayName(const kvo::String& englishName) {
    for (const KeyboardType& type : kKeyboardTypes)
        if (englishName == kvo::String(type.englishName))
            return localizedText(type.text);
    return englishName;
}

}  // namespace kvorkeyboard
