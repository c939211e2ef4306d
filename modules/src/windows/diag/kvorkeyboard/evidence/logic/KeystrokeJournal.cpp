#include "KeystrokeJournal.h"

#include <algorithm>

namespace kvorkeyboard {
namespace {

enum class Step {
    Press,
    // Down before the journal began (the system says so): not a press it saw, so no hold is timed.
    AlreadyDown,
    // Auto-repeat: the key never went up, so it is neither a press nor a gap.
    Repeat,
    Release,
    // Up without a press seen: held since before the test; nothing to time.
    LoneRelease,
};

// By the event's direction, the key's recorded state and the system's word on it.
constexpr Step kSteps[2][2][2] = {
    // release: key up, key down
    {{Step::LoneRelease, Step::LoneRelease}, {Step::Release, Step::Release}},
    // press or repeat: key up (new press, or down since before), key down
    {{Step::Press, Step::AlreadyDown}, {Step::Repeat, Step::Repeat}},
};

}  // namespace

KeystrokeJournal::KeystrokeJournal(std::uint32_t chatterThresholdMs, Ticks ticksPerSecond)
    : m_chatterThresholdMs(chatterThresholdMs),
      m_ticksPerSecond(std::max<Ticks>(ticksPerSecond, 1)),
      m_chatterThreshold(static_cast<Ticks>(chatterThresholdMs) * m_ticksPerSecond / 1000) {}

bool KeystrokeJournal::record(const KeyEvent& event, Ticks at) {
    if (event.key >= kKeyIdentifiers) return false;
    JournalKey& key = m_keys[event.key];
    key.seen = true;
    switch (kSteps[event.down][key.down][event.wasDown]) {
    case Step::Press:
        press(key, event.key, at);
        break;
    case Step::AlreadyDown:
        setDown(key, event.key, true);
        break;
    case Step::Release:
        release(key, event.key, at);
        break;
    case Step::Repeat:
    case Step::LoneRelease:
        break;
    }
    return key.nameLength == 0;
}

void KeystrokeJournal::press(JournalKey& key, std::uint16_t id, Ticks at) {
    ++key.presses;
    if (key.releaseSeen) {
        const Ticks gap = at - key.lastRelease;
        key.shortestGap = key.gapTimed ? std::min(key.shortestGap, gap) : gap;
        key.gapTimed = true;
        if (gap < m_chatterThreshold) ++key.chatter;
    }
    key.lastPress = at;
    key.pressTimed = true;
    setDown(key, id, true);
}

void KeystrokeJournal::release(JournalKey& key, std::uint16_t id, Ticks at) {
    if (key.pressTimed) {
        const Ticks hold = at - key.lastPress;
        key.shortestHold = key.holdTimed ? std::min(key.shortestHold, hold) : hold;
        key.longestHold = key.holdTimed ? std::max(key.longestHold, hold) : hold;
        key.holdTimed = true;
    }
    key.lastRelease = at;
    key.releaseSeen = true;
    key.pressTimed = false;
    setDown(key, id, false);
}

void KeystrokeJournal::setDown(JournalKey& key, std::uint16_t id, bool down) {
    key.down = down;
    m_down.set(id, down);
    m_downCount = down ? m_downCount + 1 : m_downCount - 1;
    if (m_downCount > m_mostDownCount) {
        m_mostDownCount = m_downCount;
        m_mostDown = m_down;
    }
}

void KeystrokeJournal::setName(std::uint16_t id, const kvo::String& name) {
    if (id >= kKeyIdentifiers) return;
    JournalKey& key = m_keys[id];
    std::size_t length = std::min(name.size(), std::size(key.name));
    // Half a surrogate pair is no character.
    if (length < name.size() && length > 0 && (name.str()[length - 1] & 0xFC00) == 0xD800) --length;
    std::copy_n(name.getUCS2Buffer(), length, key.name);
    key.nameLength = static_cast<std::uint8_t>(length);
}

}  // namespace kvorkeyboard
