#pragma once
// Which font family draws a key's name: Korean and Japanese legends need a
// family with their glyphs; every other language, Chinese included, is
// drawn in the dialogs' own family.
#include "vemo5/Types.h"

namespace kvorkeyboard {

enum class KeyPressFamily { Western, Korean, Japanese };
constexpr int kKeyPressFamilyCount = 3;

KeyPressFamily keyPressFamily(const vemo5::Language& language);
// "MS Shell Dlg", "Gulim", "MS UI Gothic".
const wchar_t* keyPressFamilyName(KeyPressFamily family);

}  // namespace kvorkeyboard
