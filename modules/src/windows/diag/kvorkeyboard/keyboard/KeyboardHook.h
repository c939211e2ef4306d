#pragma once
// The one keyboard hook through which the running test receives keystrokes.
// The test that installs it holds its owner, is its only target, and is the
// only one that can remove it; while it is installed, a second install
// installs nothing and gets an owner of nothing.
#include <windows.h>

#include "keyboard/HookSystem.h"
#include "keyboard/KeyboardHookTarget.h"

namespace kvorkeyboard {

class KeyboardHook {
public:
    // Owns nothing.
    KeyboardHook() noexcept = default;
    // threadLocal: a message hook on this thread (WH_KEYBOARD); otherwise a
    // low-level hook (WH_KEYBOARD_LL) that sees the whole desktop's keys.
    // Empty when a hook is installed already or Windows refuses one.
    [[nodiscard]] static KeyboardHook install(KeyboardHookTarget& target, bool threadLocal);

    ~KeyboardHook() { reset(); }
    KeyboardHook(KeyboardHook&&) noexcept = default;
    KeyboardHook& operator=(KeyboardHook&& other) noexcept;

    explicit operator bool() const noexcept { return static_cast<bool>(m_hook); }
    // Removes the hook this owner installed; harmless when it owns none.
    void reset() noexcept;

private:
    explicit KeyboardHook(ScopedHook hook) noexcept : m_hook(std::move(hook)) {}

    ScopedHook m_hook;
};

// Hands HC_ACTION calls to the target; everything else, and every call while
// no target is set, goes to the next hook.
LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace kvorkeyboard
