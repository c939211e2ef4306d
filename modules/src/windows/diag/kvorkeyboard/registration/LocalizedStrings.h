#pragma once
// The module's texts, fetched from the host each time they are shown so
// that they always follow the host's language.
#include "texts/LocalizedStringIds.h"
#include "kvo/String.h"
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {

// Registers every id with the host, in order; called first by ModuleInit.
void CreateLocalizedStrings();

// The text in the host's language. Before registration (or for a null
// handle from the host) the id itself, so that a label is never blank.
kvo::String localizedText(TextId id);
const char* textIdName(TextId id);

}  // namespace kvorkeyboard
