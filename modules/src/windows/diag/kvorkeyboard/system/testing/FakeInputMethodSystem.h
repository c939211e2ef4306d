#pragma once
// The user's language and IMM32 for tests: the library may be missing, lack
// ImmDisableIME, or refuse; the calls it received are kept.
#include <vector>

#include "../InputMethodSystem.h"

namespace kvorkeyboard::testing {

class FakeInputMethodSystem : public InputMethodSystem {
public:
    LANGID userLanguage = 0x0409;
    bool libraryMissing = false;
    bool symbolMissing = false;
    bool disableFails = false;
    std::vector<DWORD> disabledThreads;
    int librariesLoaded = 0;  // still held

    LANGID getUserDefaultLangId() override { return userLanguage; }
    std::unique_ptr<ImmLibrary> loadImm32() override {
        if (libraryMissing) return nullptr;
        return std::make_unique<Library>(*this);
    }

private:
    class Library : public ImmLibrary {
    public:
        explicit Library(FakeInputMethodSystem& owner) : m_owner(owner) { ++m_owner.librariesLoaded; }
        ~Library() override { --m_owner.librariesLoaded; }
        bool hasImmDisableIme() override { return !m_owner.symbolMissing; }
        bool immDisableIme(DWORD threadId) override {
            m_owner.disabledThreads.push_back(threadId);
            return !m_owner.disableFails;
        }

    private:
        FakeInputMethodSystem& m_owner;
    };
};

}  // namespace kvorkeyboard::testing
