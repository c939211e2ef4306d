#include "InputEnvironment.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>

#include "kvo/Logging.h"
#include "texts/EastAsianLanguages.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard.KeyboardInteractiveTest");

// ImmDisableIME's thread id for every thread of the calling process.
constexpr DWORD kAllThreadsOfProcess = 0xFFFFFFFF;

// Primary languages whose usual layouts place keys differently from the US
// English one that media-centre keyboards are labelled for: Spanish,
// Portuguese, Italian, French, Dutch, German.
constexpr LANGID kEuropeanPrimaryLanguages[] = {0x0A, 0x16, 0x10, 0x0C, 0x13, 0x07};
// Sublanguage 2 is the second country of a language (English UK, Chinese
// Simplified, ...), whose layouts differ from the first's as well.
constexpr LANGID kSecondCountry = 2;

bool needsUsLayout(LANGID language) {
    const LANGID primary = language & 0x3FF;
    const LANGID sublanguage = language >> 10;
    return std::find(std::begin(kEuropeanPrimaryLanguages), std::end(kEuropeanPrimaryLanguages), primary) !=
               std::end(kEuropeanPrimaryLanguages) ||
           sublanguage == kSecondCountry;
}

// A layout identifier is the variant in its upper four hex digits and the
// language in the lower four: keep the variant, ask for US English.
std::wstring usVariantOf(const wchar_t* activeLayoutName) {
    return std::wstring(activeLayoutName, ::wcsnlen(activeLayoutName, 4)) + L"0409";
}

}  // namespace

void DisableImeForAsianLanguages(const vemo5::Language& hostLanguage, InputMethodSystem& inputMethod) {
    if (!isEastAsianLanguage(hostLanguage)) return;
    KVO_LOG(g_log, 1, "Attempting to disable IME for Asian language keyboard testing");
    std::unique_ptr<ImmLibrary> imm32 = inputMethod.loadImm32();
    if (!imm32) {
        KVO_LOG(g_log, 3,
                "Failed to load IMM32.dll to disable IME for Asian language keyboard testing.  Some keys may "
                "not function correctly within the test.");
        return;
    }
    if (!imm32->hasImmDisableIme()) {
        KVO_LOG(g_log, 3,
                "Failed to find ImmDisableIME symbol in IMM32.dll to disable IME for Asian language keyboard "
                "testing.  Some keys may not function correctly within the test.");
        return;
    }
    if (!imm32->immDisableIme(kAllThreadsOfProcess)) {
        KVO_LOG(g_log, 3,
                "Failed to disable IME for Asian language keyboard testing.  Some keys may not function "
                "correctly within the test.");
    }
}

void ActivateUsLayoutForMediaCenter(const wchar_t* activeLayoutName, InputMethodSystem& inputMethod,
                                    KeyboardInput& keyboard) {
    if (!needsUsLayout(inputMethod.getUserDefaultLangId())) return;
    if (keyboard.loadKeyboardLayout(usVariantOf(activeLayoutName).c_str(), KLF_ACTIVATE) == nullptr)
        KVO_LOG(g_log, 3, "-->Unble to load an activate layout");
}

}  // namespace kvorkeyboard
