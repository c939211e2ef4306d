#include "keyboard/HookKeyboardHandler.h"

#include "keyboard/logic/HookKeyActions.h"
#include "kvo/Exception.h"

namespace kvorkeyboard {

namespace {

kvo::LoggerRef g_log("kvorkeyboard.HookKeyboardHandler");

// The generic modifier codes do not say which side was pressed; the scan
// code does, once mapped back.
struct SideRow {
    std::uint32_t virtualKey;
    const char* logText;
    UINT leftKey;
};
constexpr SideRow kSides[] = {
    {VK_SHIFT, "VK_SHIFT: vk_code == ", VK_LSHIFT},
    {VK_CONTROL, "VK_CONTROL: vk_code == ", VK_LCONTROL},
    {VK_MENU, "VK_MENU: vk_code == ", VK_LMENU},
};

}  // namespace

HookKeyboardHandler::HookKeyboardHandler(KeyboardInput& keyboard) : KeyboardHandler(keyboard, g_log) {}

const HookKeyRecord& HookKeyboardHandler::current() const {
    KVO_ASSERT(m_nCurrentKey >= 0);
    return m_keys[static_cast<std::size_t>(m_nCurrentKey)];
}

KeystrokeAction HookKeyboardHandler::handleKeystroke(WPARAM wParam, LPARAM lParam) {
    recordKey(wParam, lParam);
    const HookKeyRecord& r = current();
    return classifyHookKeystroke({r.vkCode, r.scanCode, r.context, r.previousState, r.transitionState},
                                 m_bAltPending);
}

void HookKeyboardHandler::recordKey(WPARAM vk, LPARAM word) {
    const auto bits = static_cast<std::uint32_t>(word);
    m_nCurrentKey = static_cast<int>((bits >> 16) & 0x1FF);
    HookKeyRecord& r = current();
    r.vkCode = static_cast<std::uint32_t>(vk);
    r.scanCode = static_cast<std::uint16_t>(m_nCurrentKey);
    r.repeatCount = static_cast<std::uint16_t>(bits & 0xFFFF);
    r.extended = (bits >> 24) & 1;
    r.context = (bits >> 29) & 1;
    r.previousState = (bits >> 30) & 1;
    r.transitionState = (bits >> 31) & 1;
    getKeyName(word);
    if (!wasKeyDown() && isKeyDown()) toggleLockOf(r.vkCode);
    dumpKeyInformation();
}

void HookKeyboardHandler::getKeyName(LPARAM word) {
    HookKeyRecord& r = current();
    const HKL layout = activeLayout();
    const KeyNameRule rule =
        hookKeyNameRule(r.vkCode, r.scanCode, LayoutLanguage::fromLayout(reinterpret_cast<std::uintptr_t>(layout)));
    if (applyCommonRule(rule, r.name)) return;
    switch (rule.source) {
    case NameSource::Character: translateCharacter(layout); break;
    case NameSource::LeftOrRight: nameBySide(rule); break;
    default: getKeyNameText(word); break;
    }
}

void HookKeyboardHandler::nameBySide(const KeyNameRule& rule) {
    HookKeyRecord& r = current();
    const UINT mapped = m_keyboard.mapVirtualKey(r.scanCode, MAPVK_VSC_TO_VK_EX);
    for (const SideRow& side : kSides) {
        if (side.virtualKey != r.vkCode) continue;
        KVO_LOG(g_log, 1, side.logText << mapped);
        r.name = keyText(mapped == side.leftKey ? rule.text : rule.rightText);
    }
}

void HookKeyboardHandler::translateCharacter(HKL layout) {
    HookKeyRecord& r = current();
    kvo::String characters;
    const int count = translate(r.vkCode, r.scanCode, layout, characters);
    // A dead key keeps the name its record had; the key it combines with
    // will show the accent.
    if (count >= 0) r.name = characters;
}

void HookKeyboardHandler::getKeyNameText(LPARAM word) {
    wchar_t buffer[50] = {};
    if (m_keyboard.getKeyNameText(static_cast<LONG>(word), buffer, 50) == 0) {
        KVO_LOG(g_log, 4, "unknown key pressed");
        dumpKeyInformation();
        current().name = kvo::String();
        return;
    }
    current().name = buffer;
}

void HookKeyboardHandler::dumpKeyInformation() {
    const HookKeyRecord& r = current();
    dumpKey(r.name, {{"Virtual Code", r.vkCode},
                     {"Scan Code", r.scanCode},
                     {"Transition State Flag", r.transitionState},
                     {"Repeat Count", r.repeatCount},
                     {"Previous-state Flag", r.previousState},
                     {"Extended Flag", r.extended},
                     {"Context Flag", r.context}});
}

}  // namespace kvorkeyboard
