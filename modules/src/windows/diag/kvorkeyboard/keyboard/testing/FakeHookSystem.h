#pragma once
// A hook system for tests: remembers every hook set and removed, can refuse
// to set one, and answers CallNextHookEx with a chosen value so that a test
// can tell a forwarded call from one the module answered itself.
#include <algorithm>
#include <vector>

#include "keyboard/HookSystem.h"
#include "system/testing/FakeKeyboardInput.h"

namespace kvorkeyboard::testing {

class FakeHookSystem : public HookSystem {
public:
    struct Installed {
        int idHook;
        HOOKPROC procedure;
        HINSTANCE module;
        DWORD threadId;
        HHOOK handle;
    };
    struct Forwarded {
        HHOOK hook;
        int code;
        WPARAM wParam;
        LPARAM lParam;
    };

    std::vector<Installed> installed;
    std::vector<HHOOK> removed;
    std::vector<Forwarded> forwarded;
    std::vector<int> refuse;  // hook kinds that fail to install
    DWORD lastError = 0;
    LRESULT nextHookResult = 77;
    DWORD threadId = 4242;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(0x400000));

    HHOOK setWindowsHookEx(int idHook, HOOKPROC procedure, HINSTANCE module, DWORD thread) override {
        if (std::find(refuse.begin(), refuse.end(), idHook) != refuse.end()) return nullptr;
        HHOOK handle = reinterpret_cast<HHOOK>(static_cast<ULONG_PTR>(0x1000 + installed.size()));
        installed.push_back({idHook, procedure, module, thread, handle});
        return handle;
    }
    LRESULT callNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) override {
        forwarded.push_back({hook, code, wParam, lParam});
        return nextHookResult;
    }
    void unhookWindowsHookEx(HHOOK hook) noexcept override { removed.push_back(hook); }
    DWORD getCurrentThreadId() override { return threadId; }
    HINSTANCE instanceHandle() override { return instance; }
    DWORD getLastError() override { return lastError; }
};

// Puts fakes behind the hook procedures for the life of the object.
class ScopedHookEnvironment {
public:
    ScopedHookEnvironment() : m_saved(hookEnvironment()) { hookEnvironment() = {&hooks, &keyboard}; }
    ~ScopedHookEnvironment() { hookEnvironment() = m_saved; }
    ScopedHookEnvironment(const ScopedHookEnvironment&) = delete;
    ScopedHookEnvironment& operator=(const ScopedHookEnvironment&) = delete;

    FakeHookSystem hooks;
    FakeKeyboardInput keyboard;

private:
    HookEnvironment m_saved;
};

}  // namespace kvorkeyboard::testing
