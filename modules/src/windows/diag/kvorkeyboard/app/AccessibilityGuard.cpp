#include "AccessibilityGuard.h"

#include "kvo/Logging.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard");

struct FeatureTexts {
    const char* readFailed;
    const char* readError;
    const char* disableFailed;
    const char* disableError;
    const char* restoreFailed;
    const char* restoreError;
};

// The texts are the ones the log has always carried, spelling included, so
// that existing log scanners keep matching.
const FeatureTexts kStickyTexts = {
    "Couldn't retrive sticky key state...not disabling", "get sticky key state error ",
    "Couldn't disable sticky keys", "disable sticky keys error ",
    "Failed to turn back on sticky keys", "failure to turn back on sticky keys error "};
const FeatureTexts kToggleTexts = {
    "Couldn't retrieve toggle key state...not disabling", "get toggle key state error ",
    "Couldn't disable toggle keys", "disable toggle keys error ",
    "Failed to turn back on toggle keys", "failure to turn back on toggle keys error "};
const FeatureTexts kFilterTexts = {
    "Couldn't retrieve filter key state...not disabling", "get filter key state error ",
    "Couldn't disable filter keys", "disable filter keys error ",
    "Failed to turn back on filter keys", "failuire to turn back on filter keys error "};

// Reads one feature into `saved` and, if that worked, writes it back with
// every flag cleared, which switches it off and disarms its hot key.
template <typename Feature>
void saveAndSwitchOff(SystemSettings& settings, UINT getAction, UINT setAction, Feature& saved, bool& disabled,
                      const FeatureTexts& texts) {
    saved = Feature{};
    saved.cbSize = sizeof(Feature);
    disabled = false;
    if (!settings.systemParametersInfo(getAction, sizeof(Feature), &saved, 0)) {
        DWORD error = settings.getLastError();
        KVO_LOG(g_log, 4, texts.readFailed);
        KVO_LOG(g_log, 1, texts.readError << static_cast<unsigned long>(error));
        return;
    }
    Feature off{};
    off.cbSize = sizeof(Feature);
    if (settings.systemParametersInfo(setAction, sizeof(Feature), &off, SPIF_SENDCHANGE)) {
        disabled = true;
    } else {
        DWORD error = settings.getLastError();
        KVO_LOG(g_log, 4, texts.disableFailed);
        KVO_LOG(g_log, 1, texts.disableError << static_cast<unsigned long>(error));
    }
}

template <typename Feature>
void restoreFeature(SystemSettings& settings, UINT setAction, Feature& saved, bool disabled,
                    const FeatureTexts& texts) {
    if (!disabled) return;
    if (!settings.systemParametersInfo(setAction, sizeof(Feature), &saved, SPIF_SENDCHANGE)) {
        DWORD error = settings.getLastError();
        KVO_LOG(g_log, 4, texts.restoreFailed);
        KVO_LOG(g_log, 1, texts.restoreError << static_cast<unsigned long>(error));
    }
}

static_assert(sizeof(STICKYKEYS) == 8 && sizeof(TOGGLEKEYS) == 8 && sizeof(FILTERKEYS) == 24,
              "SystemParametersInfo checks these sizes");

}  // namespace

void AccessibilityGuard::saveAndDisable() {
    m_snapshot.savedCapsLock = m_keyboard.getKeyState(VK_CAPITAL);
    m_snapshot.savedNumLock = m_keyboard.getKeyState(VK_NUMLOCK);
    m_snapshot.savedScrollLock = m_keyboard.getKeyState(VK_SCROLL);
    saveAndSwitchOff(m_settings, SPI_GETSTICKYKEYS, SPI_SETSTICKYKEYS, m_snapshot.savedStickyKeys,
                     m_snapshot.stickyKeysDisabled, kStickyTexts);
    saveAndSwitchOff(m_settings, SPI_GETTOGGLEKEYS, SPI_SETTOGGLEKEYS, m_snapshot.savedToggleKeys,
                     m_snapshot.toggleKeysDisabled, kToggleTexts);
    saveAndSwitchOff(m_settings, SPI_GETFILTERKEYS, SPI_SETFILTERKEYS, m_snapshot.savedFilterKeys,
                     m_snapshot.filterKeysDisabled, kFilterTexts);
}

void AccessibilityGuard::restore() {
    // Lock keys first: with Toggle Keys back on, the synthesised presses would beep.
    restoreLockKey(VK_CAPITAL, m_snapshot.savedCapsLock);
    restoreLockKey(VK_NUMLOCK, m_snapshot.savedNumLock);
    restoreLockKey(VK_SCROLL, m_snapshot.savedScrollLock);
    restoreFeature(m_settings, SPI_SETSTICKYKEYS, m_snapshot.savedStickyKeys, m_snapshot.stickyKeysDisabled,
                   kStickyTexts);
    restoreFeature(m_settings, SPI_SETTOGGLEKEYS, m_snapshot.savedToggleKeys, m_snapshot.toggleKeysDisabled,
                   kToggleTexts);
    restoreFeature(m_settings, SPI_SETFILTERKEYS, m_snapshot.savedFilterKeys, m_snapshot.filterKeysDisabled,
                   kFilterTexts);
}

void AccessibilityGuard::restoreLockKey(BYTE virtualKey, int savedState) {
    BYTE state[256] = {};
    // A failed read leaves the state zeroed: the key then counts as off.
    (void)m_keyboard.getKeyboardState(state);
    BYTE scanCode = static_cast<BYTE>(m_keyboard.mapVirtualKey(virtualKey, MAPVK_VK_TO_VSC));
    if (m_settings.isWindowsNT()) {
        // On NT the keyboard state is per thread; only a real keystroke
        // changes the lamp and the system-wide toggle.
        bool wasOn = savedState != 0;
        bool isOn = (state[virtualKey] & 1) != 0;
        if (wasOn != isOn) {
            m_keyboard.sendKeyEvent(virtualKey, scanCode, KEYEVENTF_EXTENDEDKEY);
            m_keyboard.sendKeyEvent(virtualKey, scanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
        }
    } else {
        state[virtualKey] = savedState == 1 ? 1 : 0;
        (void)m_keyboard.setKeyboardState(state);
    }
}

}  // namespace kvorkeyboard
