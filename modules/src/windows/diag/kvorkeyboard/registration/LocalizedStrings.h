#pragma once
// The module's texts, fetched from the host each time they are shown so
// that they always follow the host's language.
#include "texts/LocalizedStringIds.h"
#include "kvo/String.h"
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {

enum class TextId {
#define KVORKEYBOARD_TEXT_ENUM(id) id,
    KVORKEYBOARD_TEXT_IDS(KVORKEYBOARD_TEXT_ENUM)
#undef KVORKEYBOARD_TEXT_ENUM
};

constexpr int kTextCount = 0
#define KVORKEYBOARD_TEXT_COUNT(id) +1
    KVORKEYBOARD_TEXT_IDS(KVORKEYBOARD_TEXT_COUNT)
#undef KVORKEYBOARD_TEXT_COUNT
    ;

// Registers every id with the host, in order; called first by ModuleInit.
void CreateLocalizedStrings();

// The host's handle for an id; null before CreateLocalizedStrings.
vemo5::LocalizedString* localizedStringHandle(TextId id);
// The text in the host's language. Before registration (or for a null
// handle from the host) the id itself, so that a label is never blank.
kvo::String localizedText(TextId id);
const char* textIdName(TextId id);

}  // namespace kvorkeyboard
