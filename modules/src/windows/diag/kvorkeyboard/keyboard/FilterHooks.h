#pragma once
// The two hooks that keep the layout test in front while it runs: one
// swallows application commands (media, volume, browser and launch keys),
// the other the task-switch key combinations. Each FilterHooks object owns
// the two it installed and removes them when it goes.
#include <windows.h>

#include "keyboard/HookSystem.h"

namespace kvorkeyboard {

class FilterHooks {
public:
    // Each hook that cannot be installed is logged and done without.
    FilterHooks();

private:
    ScopedHook m_shellHook;
    ScopedHook m_lowLevelFilterHook;
};

LRESULT CALLBACK ShellProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT CALLBACK LowLevelKeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace kvorkeyboard
