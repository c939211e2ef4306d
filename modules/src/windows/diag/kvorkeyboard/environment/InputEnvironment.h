#pragma once
// What the operating system does to key presses before a test sees them:
// an input method editor composes them, a European layout moves them. Both
// changes are left in place after the test, as an operator would expect of a
// machine they just tested.
#include "system/InputMethodSystem.h"
#include "system/KeyboardInput.h"
#include "vemo5/Types.h"

namespace kvorkeyboard {

// Switches the IME off for every thread of the process when the host speaks
// Japanese, Korean or Chinese; without it some keys never reach the test.
void DisableImeForAsianLanguages(const vemo5::Language& hostLanguage, InputMethodSystem& inputMethod);

// For the media-centre test: when the user's language uses a European
// layout, activates the US English variant of the active layout, named by
// `activeLayoutName` (empty when it could not be read).
void ActivateUsLayoutForMediaCenter(const wchar_t* activeLayoutName, InputMethodSystem& inputMethod,
                                    KeyboardInput& keyboard);

}  // namespace kvorkeyboard
