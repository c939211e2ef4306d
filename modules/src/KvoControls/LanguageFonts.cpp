#include "KvoControls/LanguageFonts.h"

namespace kvo::controls {

namespace {

struct LanguageFamily {
    const char* languageCode;
    const char* family;
};

constexpr LanguageFamily kFamilies[] = {
    {"ja", "MS UI Gothic"},
    {"ko", "Gulim"},
    {"zh_cn", "SimSun"},
    {"zh_tw", "PMingLiU"},
};

constexpr const char* kFallbackFamily = "MS Shell Dlg";

}  // namespace

kvo::String dialogFontFamily(const vemo5::Language& language,
                             const std::function<bool(const kvo::String& family)>& isInstalled) {
    for (const auto& entry : kFamilies) {
        if (language.code() != entry.languageCode) continue;
        const kvo::String family(entry.family);
        return isInstalled(family) ? family : kvo::String(kFallbackFamily);
    }
    return kvo::String();
}

}  // namespace kvo::controls
