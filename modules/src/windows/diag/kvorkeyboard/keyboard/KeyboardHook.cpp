#include "keyboard/KeyboardHook.h"

#include "kvo/Logging.h"

namespace kvorkeyboard {

namespace {

kvo::LoggerRef g_log("kvorkeyboard.KeyboardHook");

// Windows calls the procedure with nothing but the hook's arguments, so the
// installed hook and its target are kept where it can find them. They are
// set and cleared by the owner alone.
HHOOK g_hKeyboardHook = nullptr;
KeyboardHookTarget* g_pHookTarget = nullptr;

}  // namespace

KeyboardHook KeyboardHook::install(KeyboardHookTarget& target, bool threadLocal) {
    if (g_hKeyboardHook) return {};
    HookSystem& hooks = *hookEnvironment().hooks;
    const HHOOK hook = threadLocal
                           ? hooks.setWindowsHookEx(WH_KEYBOARD, &KeyboardHookProc, nullptr, hooks.getCurrentThreadId())
                           : hooks.setWindowsHookEx(WH_KEYBOARD_LL, &KeyboardHookProc, hooks.instanceHandle(), 0);
    if (!hook) {
        KVO_LOG(g_log, 5, "Failed to install hook with error " << hooks.getLastError());
        return {};
    }
    g_hKeyboardHook = hook;
    g_pHookTarget = &target;
    return KeyboardHook(ScopedHook(hook, {&hooks}));
}

KeyboardHook& KeyboardHook::operator=(KeyboardHook&& other) noexcept {
    if (this != &other) {
        reset();
        m_hook = std::move(other.m_hook);
    }
    return *this;
}

void KeyboardHook::reset() noexcept {
    if (!m_hook) return;
    g_pHookTarget = nullptr;
    m_hook.reset();
    g_hKeyboardHook = nullptr;
}

LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
    KeyboardHookTarget* const target = g_pHookTarget;
    if (nCode == HC_ACTION && target) {
        // The target's answer is final: passing the call on as well would
        // let the next hook act on a key the test means to keep.
        try {
            return target->keyboardHookHandler(wParam, lParam);
        } catch (...) {
            // A test that broke on a key cannot say whether the key may go on.
            target->keyboardHookFailed(std::current_exception());
            return 1;
        }
    }
    return hookEnvironment().hooks->callNextHookEx(g_hKeyboardHook, nCode, wParam, lParam);
}

}  // namespace kvorkeyboard
