#pragma once
// Switches Sticky, Toggle and Filter Keys off for the module's lifetime and
// puts them, and the lock keys, back as they were found. A keyboard test has
// the operator hammer Shift and the lock keys; without this, Windows would
// pop up its accessibility prompts in the middle of a test.
#include <windows.h>

#include "system/KeyboardInput.h"
#include "system/SystemSettings.h"

namespace kvorkeyboard {

struct AccessibilitySnapshot {
    int savedCapsLock = 0;
    int savedNumLock = 0;
    int savedScrollLock = 0;
    STICKYKEYS savedStickyKeys{};
    bool stickyKeysDisabled = false;
    TOGGLEKEYS savedToggleKeys{};
    bool toggleKeysDisabled = false;
    FILTERKEYS savedFilterKeys{};
    bool filterKeysDisabled = false;
};

class AccessibilityGuard {
public:
    AccessibilityGuard(KeyboardInput& keyboard, SystemSettings& settings)
        : m_keyboard(keyboard), m_settings(settings) {}

    // Saves the lock keys and the three features, then switches the features off.
    void saveAndDisable();
    // Lock keys first, then the features that saveAndDisable switched off.
    void restore();
    const AccessibilitySnapshot& snapshot() const { return m_snapshot; }

private:
    void restoreLockKey(BYTE virtualKey, int savedState);

    KeyboardInput& m_keyboard;
    SystemSettings& m_settings;
    AccessibilitySnapshot m_snapshot;
};

}  // namespace kvorkeyboard
