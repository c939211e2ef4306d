#include "keyboard/LLHookKeyboardHandler.h"

#include "registration/ModuleParameters.h"

namespace kvorkeyboard {

namespace {

kvo::LoggerRef g_log("kvorkeyboard.LLHookKeyboardHandler");

LayoutLanguage languageOf(HKL layout) { return LayoutLanguage::fromLayout(reinterpret_cast<std::uintptr_t>(layout)); }

// Hangul and Hanja send a press and never a release.
bool isKoreanOneShotKey(LayoutLanguage language, const KBDLLHOOKSTRUCT& e) {
    return language.is(lang::Korean) &&
           ((e.vkCode == VK_HANGUL && e.scanCode == 0xF2) || (e.vkCode == VK_HANJA && e.scanCode == 0xF1));
}

}  // namespace

LLHookKeyboardHandler::LLHookKeyboardHandler(KeyboardInput& keyboard)
    : KeyboardHandler(keyboard, g_log), m_bForceDefaultName(parameterBool(ParameterId::bForceKeyPressDefault)) {}

const LLKeyRecord& LLHookKeyboardHandler::current() const {
    // Until an event lands in the table (the first may carry a scan code
    // beyond it) the handler answers about no key at all.
    static const LLKeyRecord noKey{};
    return m_nCurrentKey < 0 ? noKey : m_keys[static_cast<std::size_t>(m_nCurrentKey)];
}

KeystrokeAction LLHookKeyboardHandler::handleKeystroke(WPARAM key_state, LPARAM lParam) {
    const auto& e = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (e.scanCode >= m_keys.size()) return KEY_IGNORED;
    m_nCurrentKey = static_cast<int>(e.scanCode);
    LLKeyRecord& r = current();
    r.vkCode = e.vkCode;
    r.scanCode = e.scanCode;
    r.flags = e.flags;

    const HKL layout = activeLayout();
    const LayoutLanguage language = languageOf(layout);
    const bool defaultOutsideUsEnglish =
        parameterBool(ParameterId::bForceKeyPressDefaultExceptEnglish) && !language.isUsEnglish();
    if (!m_bForceDefaultName && !defaultOutsideUsEnglish) {
        getKeyName(language, layout);
    } else {
        r.name = keyText(TextId::keyDefault);
    }
    dumpKeyInformation();

    if (isKoreanOneShotKey(language, e)) forgetOneShotKey(r, e.time);
    const KeystrokeAction action =
        classifyLowLevelEvent(r, {static_cast<std::uint32_t>(key_state), e.vkCode, isAltDown(), e.time});
    if (action == KEY_PRESSED) toggleLockOf(e.vkCode);
    return action;
}

void LLHookKeyboardHandler::getKeyName(LayoutLanguage language, HKL layout) {
    LLKeyRecord& r = current();
    const KeyNameRule rule = llKeyNameRule(r.vkCode, r.scanCode, (r.flags & LLKHF_EXTENDED) != 0, language);
    if (!applyCommonRule(rule, r.name)) translateCharacter(layout);
}

void LLHookKeyboardHandler::translateCharacter(HKL layout) {
    LLKeyRecord& r = current();
    kvo::String characters;
    // A dead key or a key without a character cannot be shown as itself.
    r.name = translate(r.vkCode, r.scanCode, layout, characters) > 0 ? characters : keyText(TextId::keyDefault);
}

void LLHookKeyboardHandler::dumpKeyInformation() {
    const LLKeyRecord& r = current();
    dumpKey(r.name, {{"Virtual Code", r.vkCode},
                     {"Scan Code", r.scanCode},
                     {"Extended Flag", r.flags & LLKHF_EXTENDED},
                     {"Injected Flag", r.flags & LLKHF_INJECTED},
                     {"Context Flag", r.flags & LLKHF_ALTDOWN},
                     {"Transition State Flag", r.flags & LLKHF_UP}});
}

}  // namespace kvorkeyboard
