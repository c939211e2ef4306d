// What a run does to the input method and the layout before its dialog.
#include "environment/InputEnvironment.h"

#include <gtest/gtest.h>

#include "system/testing/FakeInputMethodSystem.h"
#include "system/testing/FakeKeyboardInput.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

std::vector<std::string> logged(kvo::ScopedLogCapture& capture) {
    return logLines(capture, "kvorkeyboard.KeyboardInteractiveTest");
}

// Each failure is logged and the test goes on; the library is let go on every path.
TEST(InputEnvironment, TheImeIsSwitchedOffForEveryThreadWhenTheHostSpeaksAnEastAsianLanguage) {
    const std::string attempt = "1:Attempting to disable IME for Asian language keyboard testing",
                      some = " Asian language keyboard testing.  Some keys may not function correctly within the test.";
    const struct {
        const char* language;
        bool libraryMissing, symbolMissing, disableFails;
        std::vector<std::string> log;
    } rows[] = {
        {"ja", false, false, false, {attempt}}, {"ko", false, false, false, {attempt}},
        {"zh_cn", false, false, false, {attempt}}, {"zh_tw", false, false, false, {attempt}},
        {"en", false, false, false, {}}, {"zh", false, false, false, {}},
        {"ja", true, false, false, {attempt, "3:Failed to load IMM32.dll to disable IME for" + some}},
        {"ja", false, true, false,
         {attempt, "3:Failed to find ImmDisableIME symbol in IMM32.dll to disable IME for" + some}},
        {"ja", false, false, true, {attempt, "3:Failed to disable IME for" + some}},
    };
    for (const auto& row : rows) {
        kvo::ScopedLogCapture capture(1);
        FakeInputMethodSystem ime;
        ime.libraryMissing = row.libraryMissing, ime.symbolMissing = row.symbolMissing, ime.disableFails = row.disableFails;
        DisableImeForAsianLanguages(vemo5::Language(row.language), ime);
        const bool asked = row.log.size() == 1 || row.disableFails;
        EXPECT_EQ(ime.disabledThreads, std::vector<DWORD>(asked ? 1 : 0, 0xFFFFFFFF)) << row.language;
        EXPECT_EQ(ime.librariesLoaded, 0);
        EXPECT_EQ(logged(capture), row.log) << row.language;
    }
}

}  // namespace
