#include "LanguageTags.h"

#include <algorithm>
#include <cctype>

namespace kblmake {
namespace {

struct LanguageTag {
    const char* tag;
    std::uint16_t id;
};
// The languages of the module's texts and of the European keyboards a
// technician meets; more are one row each.
constexpr LanguageTag kLanguageTags[] = {
    {"en-US", 0x0409}, {"en-GB", 0x0809}, {"de-DE", 0x0407}, {"de-AT", 0x0C07}, {"de-CH", 0x0807},
    {"fr-FR", 0x040C}, {"fr-BE", 0x080C}, {"fr-CA", 0x0C0C}, {"fr-CH", 0x100C}, {"it-IT", 0x0410},
    {"es-ES", 0x0C0A}, {"pt-PT", 0x0816}, {"pt-BR", 0x0416}, {"nl-NL", 0x0413}, {"nl-BE", 0x0813},
    {"da-DK", 0x0406}, {"sv-SE", 0x041D}, {"nb-NO", 0x0414}, {"fi-FI", 0x040B}, {"pl-PL", 0x0415},
    {"cs-CZ", 0x0405}, {"hu-HU", 0x040E}, {"tr-TR", 0x041F}, {"ru-RU", 0x0419}, {"ja-JP", 0x0411},
    {"ko-KR", 0x0412}, {"zh-CN", 0x0804}, {"zh-TW", 0x0404},
};

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<std::uint16_t> languageId(std::string_view tag) {
    for (const LanguageTag& row : kLanguageTags)
        if (equalIgnoringCase(tag, row.tag)) return row.id;
    return std::nullopt;
}

std::string knownLanguageTags() {
    std::string tags;
    for (const LanguageTag& row : kLanguageTags) tags += (tags.empty() ? "" : " ") + std::string(row.tag);
    return tags;
}

}  // namespace kblmake
