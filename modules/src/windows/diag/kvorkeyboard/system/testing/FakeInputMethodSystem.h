#pragma once
// The user's language and IMM32 for tests: the library may be missing, lack
// ImmDisableIME, or refuse; the threads it was asked about are kept, and
// the libraries still loaded counted.
#include <vector>

#include "../InputMethodSystem.h"

namespace kvorkeyboard::testing {

class FakeInputMethodSystem : public InputMethodSystem {
public:
    LANGID userLanguage = 0x0409;
    bool libraryMissing = false, symbolMissing = false, disableFails = false;
    std::vector<DWORD> disabledThreads;
    int librariesLoaded = 0;

    LANGID getUserDefaultLangId() override { return userLanguage; }
    std::unique_ptr<ImmLibrary> loadImm32() override { return libraryMissing ? nullptr : std::make_unique<Library>(*this); }

private:
    struct Library : ImmLibrary {
        explicit Library(FakeInputMethodSystem& fake) : owner(fake) { ++owner.librariesLoaded; }
        ~Library() override { --owner.librariesLoaded; }
        bool hasImmDisableIme() override { return !owner.symbolMissing; }
        bool immDisableIme(DWORD threadId) override {
            owner.disabledThreads.push_back(threadId);
            return !owner.disableFails;
        }
        FakeInputMethodSystem& owner;
    };
};

}  // namespace kvorkeyboard::testing
