#include "KeyPressFamily.h"

namespace kvorkeyboard {

KeyPressFamily keyPressFamily(const vemo5::Language& language) {
    if (language == vemo5::Language::ko()) return KeyPressFamily::Korean;
    if (language == vemo5::Language::ja()) return KeyPressFamily::Japanese;
    return KeyPressFamily::Western;
}

const wchar_t* keyPressFamilyName(KeyPressFamily family) {
    static const wchar_t* const names[kKeyPressFamilyCount] = {L"MS Shell Dlg", L"Gulim", L"MS UI Gothic"};
    return names[static_cast<int>(family)];
}

}  // namespace kvorkeyboard
