#include "keyboard/FilterHooks.h"

#include "keyboard/logic/TaskSwitchRules.h"
#include "kvo/Logging.h"

namespace kvorkeyboard {

namespace {

kvo::LoggerRef g_log("kvorkeyboard.HookKeyboardHandler");

bool isDown(KeyboardInput& keyboard, int virtualKey) { return (keyboard.getAsyncKeyState(virtualKey) & 0x8000) != 0; }

// Windows ignores the hook handle that CallNextHookEx is given (it knows
// which hook it is running), so the procedures need no handle of their own
// and any number of owners can each have their hooks installed.
LRESULT passOn(int nCode, WPARAM wParam, LPARAM lParam) {
    return hookEnvironment().hooks->callNextHookEx(nullptr, nCode, wParam, lParam);
}

}  // namespace

FilterHooks::FilterHooks() {
    HookSystem& hooks = *hookEnvironment().hooks;
    m_shellHook = ScopedHook(hooks.setWindowsHookEx(WH_SHELL, &ShellProc, nullptr, hooks.getCurrentThreadId()), {&hooks});
    if (!m_shellHook) KVO_LOG(g_log, 3, "Failed to install ShellProc hook, so all media buttons will not be blocked");
    m_lowLevelFilterHook =
        ScopedHook(hooks.setWindowsHookEx(WH_KEYBOARD_LL, &LowLevelKeyboardProc, hooks.instanceHandle(), 0), {&hooks});
    if (!m_lowLevelFilterHook) {
        KVO_LOG(g_log, 3, "Failed to install LowLevelKeyboardProc with error " << hooks.getLastError());
    }
}

LRESULT CALLBACK ShellProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
    if (nCode == HSHELL_APPCOMMAND) return 1;
    return passOn(nCode, wParam, lParam);
}

LRESULT CALLBACK LowLevelKeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
    if (nCode == HC_ACTION) {
        const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        KeyboardInput& keyboard = hookKeyboard();
        const TaskSwitchState state{event.vkCode, (event.flags & LLKHF_ALTDOWN) != 0, isDown(keyboard, VK_CONTROL),
                                    isDown(keyboard, VK_ESCAPE), isDown(keyboard, VK_SHIFT), isDown(keyboard, VK_TAB)};
        if (isTaskSwitchCombination(state)) return 1;
    }
    return passOn(nCode, wParam, lParam);
}

}  // namespace kvorkeyboard
