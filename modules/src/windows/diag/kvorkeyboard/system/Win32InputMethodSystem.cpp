#include "InputMethodSystem.h"
#include "kvo/DynamicLibrary.h"

namespace kvorkeyboard {
namespace {

using ImmDisableImeFn = BOOL(WINAPI*)(DWORD);

class Win32ImmLibrary final : public ImmLibrary {
public:
    explicit Win32ImmLibrary(std::unique_ptr<kvo::DynamicLibrary> library)
        : m_library(std::move(library)),
          m_disableIme(reinterpret_cast<ImmDisableImeFn>(m_library->getSymbol("ImmDisableIME"))) {}
    bool hasImmDisableIme() override { return m_disableIme != nullptr; }
    bool immDisableIme(DWORD threadId) override { return m_disableIme(threadId) != FALSE; }

private:
    std::unique_ptr<kvo::DynamicLibrary> m_library;
    ImmDisableImeFn m_disableIme;
};

class Win32InputMethodSystem final : public InputMethodSystem {
public:
    LANGID getUserDefaultLangId() override { return ::GetUserDefaultLangID(); }
    std::unique_ptr<ImmLibrary> loadImm32() override {
        auto library = std::make_unique<kvo::DynamicLibrary>(kvo::String("IMM32.dll"));
        if (!library->load()) return nullptr;
        return std::make_unique<Win32ImmLibrary>(std::move(library));
    }
};

}  // namespace

InputMethodSystem& systemInputMethod() {
    static Win32InputMethodSystem inputMethod;
    return inputMethod;
}

}  // namespace kvorkeyboard
