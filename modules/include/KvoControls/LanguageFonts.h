#pragma once
// Which font family the dialogs use for the host's language.
#include <functional>

#include "kvo/String.h"
#include "vemo5/Types.h"

namespace kvo::controls {

// For Japanese, Korean and Chinese a family that has their glyphs ("MS UI
// Gothic", "Gulim", "SimSun", "PMingLiU"), or "MS Shell Dlg" when that
// family is not installed; empty for every other language, whose dialogs
// keep the font of their template.
kvo::String dialogFontFamily(const vemo5::Language& language,
                             const std::function<bool(const kvo::String& family)>& isInstalled);

}  // namespace kvo::controls
