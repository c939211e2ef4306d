#include "environment/InputEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kvo/Logging.h"
#include "system/testing/FakeInputMethodSystem.h"
#include "system/testing/FakeKeyboardInput.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeInputMethodSystem;
using kvorkeyboard::testing::FakeKeyboardInput;
using kvorkeyboard::testing::logLines;

namespace {

const char kLoadFailed[] =
    "3:Failed to load IMM32.dll to disable IME for Asian language keyboard testing.  Some keys may not function "
    "correctly within the test.";
const char kSymbolMissing[] =
    "3:Failed to find ImmDisableIME symbol in IMM32.dll to disable IME for Asian language keyboard testing.  Some "
    "keys may not function correctly within the test.";
const char kDisableFailed[] =
    "3:Failed to disable IME for Asian language keyboard testing.  Some keys may not function correctly within the "
    "test.";
const char kAttempting[] = "1:Attempting to disable IME for Asian language keyboard testing";

class LayoutRecordingKeyboard : public FakeKeyboardInput {
public:
    std::vector<UINT> loadFlags;
    HKL loadKeyboardLayout(const wchar_t* layoutId, UINT flags) override {
        loadFlags.push_back(flags);
        return FakeKeyboardInput::loadKeyboardLayout(layoutId, flags);
    }
};

class InputEnvironmentTest : public ::testing::Test {
protected:
    std::vector<std::string> messages() { return logLines(m_capture, "kvorkeyboard.KeyboardInteractiveTest"); }

    FakeInputMethodSystem inputMethod;
    LayoutRecordingKeyboard keyboard;
    kvo::ScopedLogCapture m_capture{1};
};

}  // namespace

TEST_F(InputEnvironmentTest, EastAsianHostLanguagesDisableTheImeForEveryThreadAndReleaseImm32) {
    const std::pair<vemo5::Language, bool> rows[] = {
        {vemo5::Language::ja(), true},  {vemo5::Language::ko(), true},  {vemo5::Language::zh_cn(), true},
        {vemo5::Language::zh_tw(), true}, {vemo5::Language::en(), false}, {vemo5::Language::de(), false},
        {vemo5::Language::fr(), false}, {vemo5::Language("zh"), false}};
    for (const auto& [language, eastAsian] : rows) {
        SCOPED_TRACE(language.code());
        inputMethod.disabledThreads.clear();
        m_capture.sink().clear();
        DisableImeForAsianLanguages(language, inputMethod);
        EXPECT_EQ(inputMethod.disabledThreads, eastAsian ? std::vector<DWORD>{0xFFFFFFFF} : std::vector<DWORD>{});
        EXPECT_EQ(inputMethod.librariesLoaded, 0);
        EXPECT_EQ(messages(), eastAsian ? std::vector<std::string>{kAttempting} : std::vector<std::string>{});
    }
}

TEST_F(InputEnvironmentTest, EachImeFailureIsLoggedOnceAndIgnored) {
    struct Case {
        bool libraryMissing, symbolMissing, disableFails;
        const char* message;
        std::size_t calls;
    };
    for (const Case& c : {Case{true, false, false, kLoadFailed, 0}, Case{false, true, false, kSymbolMissing, 0},
                          Case{false, false, true, kDisableFailed, 1}}) {
        SCOPED_TRACE(c.message);
        FakeInputMethodSystem failing;
        failing.libraryMissing = c.libraryMissing;
        failing.symbolMissing = c.symbolMissing;
        failing.disableFails = c.disableFails;
        m_capture.sink().clear();
        DisableImeForAsianLanguages(vemo5::Language::ja(), failing);
        EXPECT_EQ(messages(), (std::vector<std::string>{kAttempting, c.message}));
        EXPECT_EQ(failing.disabledThreads.size(), c.calls);
        EXPECT_EQ(failing.librariesLoaded, 0);
    }
}

TEST_F(InputEnvironmentTest, EuropeanAndSecondCountryUsersGetTheUsVariantOfTheActiveLayout) {
    struct Case {
        LANGID user;
        const wchar_t* active;
        const wchar_t* loaded;  // null: the user keeps the layout
    };
    for (const Case& c : {Case{0x0407, L"00000407", L"00000409"}, Case{0x0804, L"00000804", L"00000409"},
                          Case{0x0809, L"00000809", L"00000409"}, Case{0x040A, L"00010407", L"00010409"},
                          Case{0x0416, L"00000416", L"00000409"}, Case{0x0410, L"00000410", L"00000409"},
                          Case{0x040C, L"0000040C", L"00000409"}, Case{0x0413, L"00020413", L"00020409"},
                          Case{0x0807, L"", L"0409"}, Case{0x0C07, L"12", L"120409"},
                          Case{0x0409, L"00000409", nullptr}, Case{0x0411, L"00000411", nullptr},
                          Case{0x0419, L"00000419", nullptr}, Case{0x0C09, L"00000C09", nullptr},
                          Case{0x0412, L"00000412", nullptr}}) {
        SCOPED_TRACE(c.user);
        keyboard.loadedLayouts.clear();
        inputMethod.userLanguage = c.user;
        ActivateUsLayoutForMediaCenter(c.active, inputMethod, keyboard);
        EXPECT_EQ(keyboard.loadedLayouts, c.loaded ? std::vector<std::wstring>{c.loaded} : std::vector<std::wstring>{});
    }
    EXPECT_EQ(keyboard.loadFlags, std::vector<UINT>(10, KLF_ACTIVATE));
    EXPECT_TRUE(messages().empty());
}

TEST_F(InputEnvironmentTest, ALayoutThatWillNotLoadIsLoggedAndIgnored) {
    inputMethod.userLanguage = 0x0407;
    keyboard.loadResult = nullptr;
    ActivateUsLayoutForMediaCenter(L"00000407", inputMethod, keyboard);
    EXPECT_EQ(messages(), std::vector<std::string>{"3:-->Unble to load an activate layout"});
}
