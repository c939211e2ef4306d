#include "KeyboardInput.h"

namespace kvorkeyboard {
namespace {

class Win32KeyboardInput final : public KeyboardInput {
public:
    SHORT getKeyState(int virtualKey) override { return ::GetKeyState(virtualKey); }
    SHORT getAsyncKeyState(int virtualKey) override { return ::GetAsyncKeyState(virtualKey); }
    bool getKeyboardState(BYTE (&state)[256]) override { return ::GetKeyboardState(state) != FALSE; }
    bool setKeyboardState(BYTE (&state)[256]) override { return ::SetKeyboardState(state) != FALSE; }
    void sendKeyEvent(BYTE virtualKey, BYTE scanCode, DWORD flags) override {
        ::keybd_event(virtualKey, scanCode, flags, 0);
    }
    UINT mapVirtualKey(UINT code, UINT mapType) override { return ::MapVirtualKeyW(code, mapType); }
    HKL getKeyboardLayout(DWORD threadId) override { return ::GetKeyboardLayout(threadId); }
    bool getKeyboardLayoutName(wchar_t (&name)[KL_NAMELENGTH]) override {
        return ::GetKeyboardLayoutNameW(name) != FALSE;
    }
    HKL loadKeyboardLayout(const wchar_t* layoutId, UINT flags) override {
        return ::LoadKeyboardLayoutW(layoutId, flags);
    }
    int toUnicodeEx(UINT virtualKey, UINT scanCode, const BYTE* keyState, wchar_t* buffer, int bufferSize,
                    UINT flags, HKL layout) override {
        return ::ToUnicodeEx(virtualKey, scanCode, keyState, buffer, bufferSize, flags, layout);
    }
    int getKeyNameText(LONG keystrokeWord, wchar_t* buffer, int bufferSize) override {
        return ::GetKeyNameTextW(keystrokeWord, buffer, bufferSize);
    }
    DWORD getLastError() override { return ::GetLastError(); }
};

}  // namespace

KeyboardInput& systemKeyboard() {
    static Win32KeyboardInput keyboard;
    return keyboard;
}

}  // namespace kvorkeyboard
