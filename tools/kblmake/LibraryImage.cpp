#include "LibraryImage.h"

#include "ByteWriter.h"
#include "DialogTemplate.h"
#include "LanguageTags.h"
#include "PeImage.h"
#include "Text.h"

namespace kblmake {
namespace {

constexpr std::uint16_t kNameString = 1;
constexpr std::uint16_t kPictureDialog = 2;
// String n lives in block n / 16 + 1, at place n % 16; a block holds all
// sixteen places, each a length and that many UTF-16 units.
constexpr int kStringsPerBlock = 16;

std::vector<std::uint8_t> stringBlock(const std::u16string& name) {
    ByteWriter out;
    for (int place = 0; place < kStringsPerBlock; ++place) {
        const bool named = place == kNameString % kStringsPerBlock;
        out.u16(named ? static_cast<std::uint16_t>(name.size()) : 0);
        if (named) out.text(name);
    }
    return std::move(out.data());
}

}  // namespace

std::vector<std::uint8_t> layoutLibrary(const std::string& name, const std::vector<LanguagePicture>& pictures) {
    std::vector<Resource> resources;
    resources.push_back(
        {RT_STRING, kNameString / kStringsPerBlock + 1, kEnglishUnitedStates, stringBlock(toUtf16(name))});
    for (const LanguagePicture& picture : pictures)
        resources.push_back({RT_DIALOG, kPictureDialog, picture.language, dialogTemplate(picture.controls)});
    return resourceOnlyDll(resources);
}

}  // namespace kblmake
