#include "keyboard/FilterHooks.h"

#include "keyboard/HookSystem.h"
#include "keyboard/logic/TaskSwitchRules.h"
#include "kvo/Logging.h"

namespace kvorkeyboard {

HHOOK g_hShellHook = nullptr;
HHOOK g_hLowLevelFilterHook = nullptr;

namespace {

kvo::LoggerRef g_log("kvorkeyboard.HookKeyboardHandler");

bool isDown(KeyboardInput& keyboard, int virtualKey) { return (keyboard.getAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

FilterHooks::FilterHooks() {
    HookSystem& hooks = *hookEnvironment().hooks;
    g_hShellHook = hooks.setWindowsHookEx(WH_SHELL, &ShellProc, nullptr, hooks.getCurrentThreadId());
    if (!g_hShellHook) KVO_LOG(g_log, 3, "Failed to install ShellProc hook, so all media buttons will not be blocked");
    g_hLowLevelFilterHook = hooks.setWindowsHookEx(WH_KEYBOARD_LL, &LowLevelKeyboardProc, hooks.instanceHandle(), 0);
    if (!g_hLowLevelFilterHook) {
        KVO_LOG(g_log, 3, "Failed to install LowLevelKeyboardProc with error " << hooks.getLastError());
    }
}

FilterHooks::~FilterHooks() {
    HookSystem& hooks = *hookEnvironment().hooks;
    if (g_hShellHook) hooks.unhookWindowsHookEx(g_hShellHook);
    if (g_hLowLevelFilterHook) hooks.unhookWindowsHookEx(g_hLowLevelFilterHook);
}

LRESULT CALLBACK ShellProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
    if (nCode == HSHELL_APPCOMMAND) return 1;
    return hookEnvironment().hooks->callNextHookEx(g_hShellHook, nCode, wParam, lParam);
}

LRESULT CALLBACK LowLevelKeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
    HookEnvironment& environment = hookEnvironment();
    if (nCode == HC_ACTION) {
        const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        KeyboardInput& keyboard = *environment.keyboard;
        const TaskSwitchState state{event.vkCode, (event.flags & LLKHF_ALTDOWN) != 0, isDown(keyboard, VK_CONTROL),
                                    isDown(keyboard, VK_ESCAPE), isDown(keyboard, VK_SHIFT), isDown(keyboard, VK_TAB)};
        if (isTaskSwitchCombination(state)) return 1;
    }
    return environment.hooks->callNextHookEx(g_hLowLevelFilterHook, nCode, wParam, lParam);
}

}  // namespace kvorkeyboard
