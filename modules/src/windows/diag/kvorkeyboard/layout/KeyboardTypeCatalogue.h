#pragma once
// The keyboard types the module knows by name. A layout library names itself
// in English; for these types the list shows the host's text instead, so the
// list reads in the operator's language. Names must match exactly,
// punctuation and the libraries' historical misspellings included.
#include "kvo/String.h"

namespace kvorkeyboard {

// The host-language text of a known English keyboard-type name; any other
// name unchanged.
kvo::String keyboardTypeDisplayName(const kvo::String& englishName);

}  // namespace kvorkeyboard
