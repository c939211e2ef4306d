#include "afx/WinApp.h"
#include "keyboard/HookSystem.h"

namespace kvorkeyboard {
namespace {

class Win32HookSystem final : public HookSystem {
public:
    HHOOK setWindowsHookEx(int idHook, HOOKPROC procedure, HINSTANCE module, DWORD threadId) override {
        return ::SetWindowsHookExW(idHook, procedure, module, threadId);
    }
    LRESULT callNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) override {
        return ::CallNextHookEx(hook, code, wParam, lParam);
    }
    void unhookWindowsHookEx(HHOOK hook) noexcept override { ::UnhookWindowsHookEx(hook); }
    DWORD getCurrentThreadId() override { return ::GetCurrentThreadId(); }
    HINSTANCE instanceHandle() override { return AfxGetInstanceHandle(); }
    DWORD getLastError() override { return ::GetLastError(); }
};

}  // namespace

HookEnvironment& hookEnvironment() {
    static Win32HookSystem hooks;
    static HookEnvironment environment{&hooks, &systemKeyboard()};
    return environment;
}

}  // namespace kvorkeyboard
