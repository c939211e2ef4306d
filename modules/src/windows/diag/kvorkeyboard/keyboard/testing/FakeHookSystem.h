#pragma once
// A hook system for tests: remembers every hook set and removed, can refuse
// to set one, and answers CallNextHookEx with a chosen value so that a test
// can tell a forwarded call from one the module answered itself. It also
// delivers what the module injected with keybd_event the way Windows does,
// once the hooking thread pumps messages (deliverInjected): each event goes
// down the installed low-level hooks, newest first, each reaching the next
// through CallNextHookEx; unless one swallowed it, it changes the key state
// and goes down the thread's message hooks the same way. Events injected
// meanwhile queue behind it.
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

    std::vector<Installed> installed;
    std::vector<HHOOK> removed;
    int forwarded = 0;  // calls to CallNextHookEx
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
    LRESULT callNextHookEx(HHOOK, int code, WPARAM wParam, LPARAM lParam) override {
        ++forwarded;
        return m_chain ? next(code, wParam, lParam) : nextHookResult;
    }
    void unhookWindowsHookEx(HHOOK hook) noexcept override { removed.push_back(hook); }
    DWORD getCurrentThreadId() override { return threadId; }
    HINSTANCE instanceHandle() override { return instance; }
    DWORD getLastError() override { return lastError; }

    void deliverInjected(FakeKeyboardInput& keyboard) {
        for (; !keyboard.undelivered.empty(); keyboard.undelivered.pop_front())
            deliver(keyboard, keyboard.undelivered.front());
    }

private:
    void deliver(FakeKeyboardInput& keyboard, FakeKeyboardInput::KeyEvent e) {
        const bool up = (e.flags & KEYEVENTF_KEYUP) != 0, wasDown = (keyboard.keys[e.virtualKey] & 0x80) != 0;
        const DWORD keystroke = (e.flags & KEYEVENTF_EXTENDEDKEY ? KF_EXTENDED : 0u) | (up ? KF_UP : 0u) |
                                (up || wasDown ? KF_REPEAT : 0u);
        // Alt as it stands with this event. A key with Alt held is a system
        // key, and so is Alt's own release, but none while Ctrl is held; only
        // a system key's keystroke word carries Alt.
        const bool altKey = e.virtualKey == VK_MENU, alt = altKey ? !up : (keyboard.keys[VK_MENU] & 0x80) != 0;
        const bool system = (alt || altKey) && !(keyboard.keys[VK_CONTROL] & 0x80);
        const UINT message = (up ? WM_KEYUP : WM_KEYDOWN) + (system ? WM_SYSKEYDOWN - WM_KEYDOWN : 0);
        KBDLLHOOKSTRUCT lowLevel{e.virtualKey, e.scanCode,
                                 LLKHF_INJECTED | (alt ? LLKHF_ALTDOWN : 0u) | (keystroke & (KF_EXTENDED | KF_UP)) >> 8,
                                 0, 0};
        if (runChain(WH_KEYBOARD_LL, message, reinterpret_cast<LPARAM>(&lowLevel)) != 0) return;
        keyboard.apply(e);
        const DWORD word = 1 | (DWORD{e.scanCode} | keystroke | (alt && system ? KF_ALTDOWN : 0u)) << 16;
        runChain(WH_KEYBOARD, e.virtualKey, static_cast<LPARAM>(word));
    }
    LRESULT runChain(int idHook, WPARAM wParam, LPARAM lParam) {
        std::vector<HOOKPROC> chain;
        for (auto h = installed.rbegin(); h != installed.rend(); ++h)
            if (h->idHook == idHook && std::find(removed.begin(), removed.end(), h->handle) == removed.end())
                chain.push_back(h->procedure);
        m_chain = &chain, m_next = 0;
        const LRESULT result = next(HC_ACTION, wParam, lParam);
        return m_chain = nullptr, result;
    }
    // Past the last hook, Windows' own answer: 0, the key goes on.
    LRESULT next(int code, WPARAM wParam, LPARAM lParam) {
        return m_next < m_chain->size() ? (*m_chain)[m_next++](code, wParam, lParam) : 0;
    }

    const std::vector<HOOKPROC>* m_chain = nullptr;  // the hooks of the delivery under way, newest first
    std::size_t m_next = 0;
};

// Puts fakes behind the hook procedures for the life of the object.
class ScopedHookEnvironment {
public:
    ScopedHookEnvironment() : m_saved(hookEnvironment()) { hookEnvironment() = {&hooks, &keyboard}; }
    ~ScopedHookEnvironment() { hookEnvironment() = m_saved; }
    ScopedHookEnvironment(const ScopedHookEnvironment&) = delete;
    ScopedHookEnvironment& operator=(const ScopedHookEnvironment&) = delete;

    // What the thread's message loop does after a hook call returns.
    void deliverInjected() { hooks.deliverInjected(keyboard); }

    FakeHookSystem hooks;
    FakeKeyboardInput keyboard;

private:
    HookEnvironment m_saved;
};

}  // namespace kvorkeyboard::testing
