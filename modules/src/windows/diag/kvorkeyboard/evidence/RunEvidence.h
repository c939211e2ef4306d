#pragma once
// What one test run gathers for the host's report besides its verdict: the
// journal of every keystroke its pages saw and, from the layout page, the
// keys its picture still showed at the end. The run owns it; the pages reach
// the running one through currentRunEvidence(), as the hook reaches its target.
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "evidence/logic/KeystrokeJournal.h"
#include "system/PerformanceClock.h"
#include "vemo5/Observations.h"

namespace kvorkeyboard {

class RunEvidence {
public:
    // Current until destroyed; the chatter threshold is the host's.
    explicit RunEvidence(PerformanceClock& clock = systemPerformanceClock());
    ~RunEvidence();
    RunEvidence(const RunEvidence&) = delete;
    RunEvidence& operator=(const RunEvidence&) = delete;

    Ticks now() { return m_clock.now(); }
    KeystrokeJournal& journal() { return *m_journal; }
    // A later picture replaces an earlier one: the last one shown counts.
    void notePicture(std::vector<vemo5::PictureKey> notPressed, std::vector<std::uint8_t> png);
    vemo5::Observations observations() const;
    // To the host, for the running test's reports.
    void handOver() const;

private:
    PerformanceClock& m_clock;
    std::unique_ptr<KeystrokeJournal> m_journal;
    std::optional<std::vector<vemo5::PictureKey>> m_notPressed;
    std::vector<std::uint8_t> m_png;
    RunEvidence* m_previous;
};

// The run's evidence, or null outside a run.
RunEvidence* currentRunEvidence();

// The time a hook call reached a page: the first thing its handler asks.
// 0 outside a run, where nothing is journaled.
inline Ticks hookEntered() {
    RunEvidence* evidence = currentRunEvidence();
    return evidence != nullptr ? evidence->now() : 0;
}

// One hook event into the running test's journal; `keyName()` gives the name
// the page's handler found for it and is asked only for a key still unnamed.
template <typename KeyName>
void journalKeystroke(const std::optional<KeyEvent>& event, Ticks entered, KeyName keyName) {
    RunEvidence* evidence = currentRunEvidence();
    if (evidence != nullptr && event && evidence->journal().record(*event, entered))
        evidence->journal().setName(event->key, keyName());
}

// The low-level hook's arguments (key message, KBDLLHOOKSTRUCT).
inline std::optional<KeyEvent> lowLevelHookEvent(WPARAM message, LPARAM lParam) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    return lowLevelKeyEvent(static_cast<std::uint32_t>(message), event->scanCode, event->flags);
}

// The message hook's keystroke word.
inline std::optional<KeyEvent> messageHookEvent(LPARAM word) {
    return keystrokeWordEvent(static_cast<std::uint32_t>(word));
}

}  // namespace kvorkeyboard
