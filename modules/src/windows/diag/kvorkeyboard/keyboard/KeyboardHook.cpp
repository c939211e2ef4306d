#include "keyboard/KeyboardHook.h"

#include "keyboard/HookSystem.h"
#include "kvo/Logging.h"

namespace kvorkeyboard {

HHOOK g_hKeyboardHook = nullptr;
KeyboardHookTarget* g_pHookTarget = nullptr;

namespace {
kvo::LoggerRef g_log("kvorkeyboard.KeyboardHook");
}

void KeyboardHook::install(KeyboardHookTarget* target, bool threadLocal) {
    if (g_hKeyboardHook) return;
    HookSystem& hooks = *hookEnvironment().hooks;
    g_hKeyboardHook = threadLocal
                          ? hooks.setWindowsHookEx(WH_KEYBOARD, &KeyboardHookProc, nullptr, hooks.getCurrentThreadId())
                          : hooks.setWindowsHookEx(WH_KEYBOARD_LL, &KeyboardHookProc, hooks.instanceHandle(), 0);
    if (g_hKeyboardHook) {
        g_pHookTarget = target;
    } else {
        KVO_LOG(g_log, 5, "Failed to install hook with error " << hooks.getLastError());
    }
}

void KeyboardHook::uninstall() {
    if (!g_hKeyboardHook) return;
    g_pHookTarget = nullptr;
    hookEnvironment().hooks->unhookWindowsHookEx(g_hKeyboardHook);
    g_hKeyboardHook = nullptr;
}

LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
    if (nCode == HC_ACTION && g_pHookTarget) {
        // The target's answer is final: passing the call on as well would
        // let the next hook act on a key the test means to keep.
        try {
            return g_pHookTarget->keyboardHookHandler(wParam, lParam);
        } catch (...) {
            // Windows cannot unwind through its hook dispatch; the key goes on.
            KVO_LOG(g_log, 4, "The test failed to handle a keystroke");
        }
    }
    return hookEnvironment().hooks->callNextHookEx(g_hKeyboardHook, nCode, wParam, lParam);
}

}  // namespace kvorkeyboard
