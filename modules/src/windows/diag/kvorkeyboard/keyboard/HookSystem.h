#pragma once
// The Windows hook calls, behind an interface so that tests can see what the
// hook procedures install, forward and remove. Win32HookSystem only forwards.
#include <windows.h>

#include "kvo/UniqueHandle.h"
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

// One installed hook, removed exactly once through the system that set it.
using ScopedHook = kvo::SeamHandle<HookSystem, HHOOK, &HookSystem::unhookWindowsHookEx>;

// What the hook procedures talk to. Windows calls them with nothing but the
// hook's arguments, so they find their system here: the real one unless a
// test has put in its own.
struct HookEnvironment {
    HookSystem* hooks;
    KeyboardInput* keyboard;
};
HookEnvironment& hookEnvironment();
// The keyboard of that environment: the pages' handlers read it too, so
// that a test's keyboard reaches them as well.
inline KeyboardInput& hookKeyboard() { return *hookEnvironment().keyboard; }

}  // namespace kvorkeyboard
