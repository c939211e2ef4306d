#pragma once
// The Windows hook calls, behind an interface so that tests can see what the
// hook procedures install, forward and remove. Win32HookSystem only forwards.
#include <windows.h>

#include <utility>

#include "system/KeyboardInput.h"

namespace kvorkeyboard {

class HookSystem {
public:
    virtual ~HookSystem() = default;

    virtual HHOOK setWindowsHookEx(int idHook, HOOKPROC procedure, HINSTANCE module, DWORD threadId) = 0;
    virtual LRESULT callNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) = 0;
    // Callers do not look at the result: a hook that will not go is gone with the thread.
    virtual void unhookWindowsHookEx(HHOOK hook) noexcept = 0;
    virtual DWORD getCurrentThreadId() = 0;
    // The module's instance handle, which a global hook must name.
    virtual HINSTANCE instanceHandle() = 0;
    virtual DWORD getLastError() = 0;
};

// Owns one installed hook and removes it exactly once, through the system
// that set it. Move-only: a copy would remove the hook a second time.
class ScopedHook {
public:
    ScopedHook() noexcept = default;
    ScopedHook(HookSystem& system, HHOOK hook) noexcept : m_system(&system), m_hook(hook) {}
    ~ScopedHook() { reset(); }
    ScopedHook(ScopedHook&& other) noexcept
        : m_system(other.m_system), m_hook(std::exchange(other.m_hook, nullptr)) {}
    ScopedHook& operator=(ScopedHook&& other) noexcept {
        if (this != &other) {
            reset();
            m_system = other.m_system;
            m_hook = std::exchange(other.m_hook, nullptr);
        }
        return *this;
    }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

    HHOOK get() const noexcept { return m_hook; }
    explicit operator bool() const noexcept { return m_hook != nullptr; }
    void reset() noexcept {
        if (m_hook) m_system->unhookWindowsHookEx(std::exchange(m_hook, nullptr));
    }

private:
    HookSystem* m_system = nullptr;
    HHOOK m_hook = nullptr;
};

// What the hook procedures talk to. Windows calls them with nothing but the
// hook's arguments, so they find their system here: the real one unless a
// test has put in its own.
struct HookEnvironment {
    HookSystem* hooks;
    KeyboardInput* keyboard;
};
HookEnvironment& hookEnvironment();

}  // namespace kvorkeyboard
