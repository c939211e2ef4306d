#include "keyboard/KeyboardHandler.h"

#include <algorithm>

#include "registration/LocalizedStrings.h"

namespace kvorkeyboard {

namespace {
bool toggled(KeyboardInput& keyboard, int virtualKey) { return (keyboard.getKeyState(virtualKey) & 1) != 0; }
}  // namespace

KeyboardHandler::KeyboardHandler(KeyboardInput& keyboard, kvo::LoggerRef& log)
    : m_keyboard(keyboard),
      m_log(log),
      m_bNumLock(toggled(keyboard, VK_NUMLOCK)),
      m_bCapsLock(toggled(keyboard, VK_CAPITAL)),
      m_bScrollLock(toggled(keyboard, VK_SCROLL)) {}

void KeyboardHandler::toggleLockOf(std::uint32_t virtualKey) {
    switch (virtualKey) {
    case VK_CAPITAL: toggleCapsLock(); break;
    case VK_NUMLOCK: toggleNumLock(); break;
    case VK_SCROLL: toggleScrollLock(); break;
    default: break;
    }
}

const kvo::String& KeyboardHandler::keyText(TextId id) {
    std::optional<kvo::String>& text = m_texts[static_cast<std::size_t>(id)];
    if (!text) text = localizedText(id);
    return *text;
}

bool KeyboardHandler::applyCommonRule(const KeyNameRule& rule, kvo::String& name) {
    switch (rule.source) {
    case NameSource::Text: name = keyText(rule.text); return true;
    case NameSource::Fixed: name = rule.fixed; return true;
    case NameSource::ByShift: {
        const bool shifted = (m_keyboard.getAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
        const kvo::UCS2Char* chosen = shifted ? rule.fixedShifted : rule.fixed;
        if (chosen) name = chosen;
        return true;
    }
    case NameSource::Keep: return true;
    default: return false;
    }
}

void KeyboardHandler::dumpKey(const kvo::String& name, std::initializer_list<KeyField> fields) {
    KVO_LOG(m_log, 1, "START KEY INFORMATION DEBUGGING");
    KVO_LOG(m_log, 1, "-------------------------------");
    KVO_LOG(m_log, 1, "Key: " << name);
    for (const KeyField& field : fields) KVO_LOG(m_log, 1, field.label << ": " << field.value);
    KVO_LOG(m_log, 1, "-------------------------------");
    KVO_LOG(m_log, 1, "END KEY INFORMATION DEBUGGING");
}

int KeyboardHandler::translate(std::uint32_t virtualKey, std::uint32_t scanCode, HKL layout, kvo::String& characters) {
    BYTE state[256] = {};
    if (!m_keyboard.getKeyboardState(state)) {
        KVO_LOG(m_log, 4, "Error getting keyboard state");
        dumpKeyInformation();
        std::fill(std::begin(state), std::end(state), BYTE{0});
    }
    wchar_t buffer[50] = {};
    const int count = m_keyboard.toUnicodeEx(virtualKey, scanCode, state, buffer, 50, 0, layout);
    // A dead key followed by one it cannot combine with gives both characters.
    if (count > 0) characters = kvo::String(buffer, static_cast<std::size_t>(std::min(count, 2)));
    return count;
}

}  // namespace kvorkeyboard
