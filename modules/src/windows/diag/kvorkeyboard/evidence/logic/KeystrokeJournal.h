#pragma once
// What each physical key did during one test: how often it was pressed, how
// long it was held, and how soon it came back after a release, the mark of a
// chattering switch. Also how many keys were down at once. Memory is fixed,
// one record per key identifier, so that recording costs the same on the
// ten-thousandth keystroke as on the first; hook calls pass their times in.
#include <bitset>
#include <cstdint>

#include "evidence/logic/KeyEvent.h"
#include "kvo/String.h"

namespace kvorkeyboard {

using Ticks = std::int64_t;

struct JournalKey {
    Ticks lastPress = 0;
    Ticks lastRelease = 0;
    Ticks shortestHold = 0;
    Ticks longestHold = 0;
    Ticks shortestGap = 0;
    std::uint32_t presses = 0;
    std::uint32_t chatter = 0;  // gaps shorter than the threshold
    bool seen = false;
    bool down = false;
    bool pressTimed = false;   // down since a press this journal saw
    bool releaseSeen = false;  // lastRelease holds a time
    bool holdTimed = false;    // shortestHold and longestHold hold times
    bool gapTimed = false;     // shortestGap holds a time
    std::uint8_t nameLength = 0;
    kvo::UCS2Char name[31] = {};
};

class KeystrokeJournal {
public:
    KeystrokeJournal(std::uint32_t chatterThresholdMs, Ticks ticksPerSecond);

    // Notes one event at `at`; true when the key has no name yet, which the
    // caller then gives it (names are taken once: copying one costs more than
    // the rest of an event).
    bool record(const KeyEvent& event, Ticks at);
    // Keeps the first units that fit.
    void setName(std::uint16_t key, const kvo::String& name);

    const JournalKey& key(std::uint16_t key) const { return m_keys[key]; }
    std::uint32_t chatterThresholdMs() const { return m_chatterThresholdMs; }
    double milliseconds(Ticks ticks) const {
        return static_cast<double>(ticks) * 1000.0 / static_cast<double>(m_ticksPerSecond);
    }
    const std::bitset<kKeyIdentifiers>& keysDown() const { return m_down; }
    const std::bitset<kKeyIdentifiers>& mostKeysDown() const { return m_mostDown; }

private:
    void press(JournalKey& key, std::uint16_t id, Ticks at);
    void release(JournalKey& key, std::uint16_t id, Ticks at);
    void setDown(JournalKey& key, std::uint16_t id, bool down);

    JournalKey m_keys[kKeyIdentifiers];
    std::uint32_t m_chatterThresholdMs;
    Ticks m_ticksPerSecond;
    Ticks m_chatterThreshold;
    std::bitset<kKeyIdentifiers> m_down;
    std::bitset<kKeyIdentifiers> m_mostDown;
    // Their counts, kept: counting 512 bits on every press costs more than the rest of it.
    std::uint32_t m_downCount = 0;
    std::uint32_t m_mostDownCount = 0;
};

}  // namespace kvorkeyboard
