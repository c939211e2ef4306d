#pragma once
// The two hooks that keep the layout test in front while it runs: one
// swallows application commands (media, volume, browser and launch keys),
// the other the task-switch key combinations. They exist for as long as a
// FilterHooks object does.
#include <windows.h>

namespace kvorkeyboard {

extern HHOOK g_hShellHook;
extern HHOOK g_hLowLevelFilterHook;

class FilterHooks {
public:
    // Each hook that cannot be installed is logged and done without.
    FilterHooks();
    ~FilterHooks();
    FilterHooks(const FilterHooks&) = delete;
    FilterHooks& operator=(const FilterHooks&) = delete;
};

LRESULT CALLBACK ShellProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT CALLBACK LowLevelKeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace kvorkeyboard
