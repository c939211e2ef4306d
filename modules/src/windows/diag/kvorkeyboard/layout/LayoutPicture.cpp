#include "LayoutPicture.h"

#include "kvo/Logging.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef s_log("kvorkeyboard.CKeyboardLayoutTest");

const LANGID kEnglishUnitedStates = 0x0409;

struct InstructionControl {
    int id;
    const char* name;
};
constexpr InstructionControl kInstructionControls[] = {
    {IDC_FN_KEY_INSTRUCTIONS, "IDC_FN_KEY_INSTRUCTIONS"},
    {IDC_PANA_FN_INSTRUCTIONS, "IDC_PANA_FN_INSTRUCTIONS"},
};

}  // namespace

PictureWindow createLayoutPicture(LayoutSystem& system, HINSTANCE library, HWND area) {
    if (library == nullptr) return {};
    const DLGTEMPLATE* picture = system.findPicture(library, system.userDefaultLanguage());
    if (picture == nullptr) picture = system.findPicture(library, kEnglishUnitedStates);
    return PictureWindow(picture != nullptr ? system.createPicture(picture, area) : nullptr, {&system});
}

void discoverKeys(LayoutSystem& system, HWND picture, kvo::Array<HWND>& keys) {
    keys.reset();
    if (picture == nullptr) return;
    for (HWND window : system.descendants(picture)) keys.append(window);
    for (const InstructionControl& control : kInstructionControls) {
        HWND window = system.dialogItem(picture, control.id);
        if (window == nullptr) continue;
        keys.remove(window);
        KVO_LOG(s_log, 1, "removing " << control.name << " from discovered keys");
    }
}

std::vector<HWND> pictureKeys(LayoutSystem& system, HWND picture) {
    kvo::Array<HWND> keys;
    discoverKeys(system, picture, keys);
    std::vector<HWND> list;
    for (std::uint32_t i = 0; i < keys.size(); ++i) list.push_back(keys[i]);
    return list;
}

}  // namespace kvorkeyboard
