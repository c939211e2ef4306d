#pragma once
// The languages a picture may be given in, by the tag its file carries
// ("Iso105Kbd.de-DE.json"), and the Windows language id its template gets.
// The layout test asks for the user's language id exactly, then for US
// English, which the main drawing always provides.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kblmake {

constexpr std::uint16_t kEnglishUnitedStates = 0x0409;

std::optional<std::uint16_t> languageId(std::string_view tag);
// "en-GB de-DE ...", for a message about a tag that is not known.
std::string knownLanguageTags();

}  // namespace kblmake
