#pragma once
// The host languages written in East Asian scripts: Japanese, Korean and
// both Chinese. Their input goes through an input method editor, and their
// texts read better in a thin caption font than in the dialogs' own.
#include "vemo5/Types.h"

namespace kvorkeyboard {

inline bool isEastAsianLanguage(const vemo5::Language& language) {
    return language == vemo5::Language::ja() || language == vemo5::Language::ko() ||
           language == vemo5::Language::zh_cn() || language == vemo5::Language::zh_tw();
}

}  // namespace kvorkeyboard
