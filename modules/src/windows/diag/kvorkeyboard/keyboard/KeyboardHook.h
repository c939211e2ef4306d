#pragma once
// The one keyboard hook through which the running test receives keystrokes.
// Only one test is its target at a time: the first to install keeps it until
// it uninstalls.
#include <windows.h>

#include "keyboard/KeyboardHookTarget.h"

namespace kvorkeyboard {

extern HHOOK g_hKeyboardHook;
extern KeyboardHookTarget* g_pHookTarget;

class KeyboardHook {
public:
    // threadLocal: a message hook on this thread (WH_KEYBOARD); otherwise a
    // low-level hook (WH_KEYBOARD_LL) that sees the whole desktop's keys.
    static void install(KeyboardHookTarget* target, bool threadLocal);
    // Harmless when nothing is installed, so every owner may call it.
    static void uninstall();
};

// Hands HC_ACTION calls to the target; everything else, and every call while
// no target is set, goes to the next hook.
LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace kvorkeyboard
