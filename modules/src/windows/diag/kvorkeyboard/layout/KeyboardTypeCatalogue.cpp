#include "KeyboardTypeCatalogue.h"

#include "registration/LocalizedStrings.h"
#include "layout/logic/KeyboardTypeNames.h"

namespace kvorkeyboard {
namespace {

struct KeyboardType {
    const char* englishName;
    TextId text;
};

constexpr KeyboardType kKeyboardTypes[] = {
#define KVORKEYBOARD_KEYBOARD_TYPE_ROW(name, text) {name, TextId::text},
    KVORKEYBOARD_KEYBOARD_TYPES(KVORKEYBOARD_KEYBOARD_TYPE_ROW)
#undef KVORKEYBOARD_KEYBOARD_TYPE_ROW
};

}  // namespace

kvo::String keyboardTypeDisplayName(const kvo::String& englishName) {
    for (const KeyboardType& type : kKeyboardTypes)
        if (englishName == kvo::String(type.englishName))
            return localizedText(type.text);
    return englishName;
}

}  // namespace kvorkeyboard
