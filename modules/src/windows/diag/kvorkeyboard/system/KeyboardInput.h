#pragma once
// The keyboard as the module sees it. Everything that asks Windows about key
// state or layouts goes through here, so that tests can set any layout,
// modifier state and translation result; Win32KeyboardInput is the
// production side and only forwards.
#include <windows.h>

namespace kvorkeyboard {

class KeyboardInput {
public:
    virtual ~KeyboardInput() = default;

    virtual SHORT getKeyState(int virtualKey) = 0;
    virtual SHORT getAsyncKeyState(int virtualKey) = 0;
    [[nodiscard]] virtual bool getKeyboardState(BYTE (&state)[256]) = 0;
    [[nodiscard]] virtual bool setKeyboardState(BYTE (&state)[256]) = 0;
    // keybd_event: a synthesised press or release.
    virtual void sendKeyEvent(BYTE virtualKey, BYTE scanCode, DWORD flags) = 0;
    virtual UINT mapVirtualKey(UINT code, UINT mapType) = 0;
    virtual HKL getKeyboardLayout(DWORD threadId) = 0;
    // GetKeyboardLayoutNameW into a buffer of KL_NAMELENGTH characters.
    [[nodiscard]] virtual bool getKeyboardLayoutName(wchar_t (&name)[KL_NAMELENGTH]) = 0;
    virtual HKL loadKeyboardLayout(const wchar_t* layoutId, UINT flags) = 0;
    virtual int toUnicodeEx(UINT virtualKey, UINT scanCode, const BYTE* keyState, wchar_t* buffer,
                            int bufferSize, UINT flags, HKL layout) = 0;
    virtual int getKeyNameText(LONG keystrokeWord, wchar_t* buffer, int bufferSize) = 0;
    virtual DWORD getLastError() = 0;
};

// The process's real keyboard.
KeyboardInput& systemKeyboard();

}  // namespace kvorkeyboard
