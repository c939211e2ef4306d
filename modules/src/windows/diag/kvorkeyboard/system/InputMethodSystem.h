#pragma once
// The user's language and the input method editor. IMM32 is loaded only for
// as long as an ImmLibrary lives: most runs never need it. The Win32 side
// only forwards; tests play a missing library or symbol and a failing call.
#include <windows.h>

#include <memory>

namespace kvorkeyboard {

class ImmLibrary {
public:
    virtual ~ImmLibrary() = default;
    virtual bool hasImmDisableIme() = 0;
    [[nodiscard]] virtual bool immDisableIme(DWORD threadId) = 0;
};

class InputMethodSystem {
public:
    virtual ~InputMethodSystem() = default;
    virtual LANGID getUserDefaultLangId() = 0;
    // Null when "IMM32.dll" cannot be loaded.
    virtual std::unique_ptr<ImmLibrary> loadImm32() = 0;
};

InputMethodSystem& systemInputMethod();

}  // namespace kvorkeyboard
