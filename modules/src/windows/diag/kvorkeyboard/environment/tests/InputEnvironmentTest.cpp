// What a run does to the input method before its dialog.
#include "environment/InputEnvironment.h"

#include <gtest/gtest.h>

#include "system/testing/FakeInputMethodSystem.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

enum Failure { None, NoLibrary, NoSymbol, DisableFails };

// Each failure is logged and the test goes on; the library is let go on every path.
TEST(InputEnvironment, TheImeIsSwitchedOffForEveryThreadWhenTheHostSpeaksAnEastAsianLanguage) {
    const std::string attempt = "1:Attempting to disable IME for Asian language keyboard testing",
                      some = " Asian language keyboard testing.  Some keys may not function correctly within the test.";
    const struct { const char* language; Failure failure; std::vector<std::string> log; } rows[] = {
        {"ja", None, {attempt}}, {"ko", None, {attempt}}, {"zh_cn", None, {attempt}}, {"zh_tw", None, {attempt}},
        {"en", None, {}}, {"zh", None, {}}, {"ja", NoLibrary, {attempt, "3:Failed to load IMM32.dll to disable IME for" + some}},
        {"ja", NoSymbol, {attempt, "3:Failed to find ImmDisableIME symbol in IMM32.dll to disable IME for" + some}},
        {"ja", DisableFails, {attempt, "3:Failed to disable IME for" + some}},
    };
    for (const auto& row : rows) {
        kvo::ScopedLogCapture capture(1);
        FakeInputMethodSystem ime;
        ime.libraryMissing = row.failure == NoLibrary, ime.symbolMissing = row.failure == NoSymbol;
        ime.disableFails = row.failure == DisableFails;
        DisableImeForAsianLanguages(vemo5::Language(row.language), ime);
        const bool asked = row.log.size() == 1 || row.failure == DisableFails;
        EXPECT_EQ(ime.disabledThreads, std::vector<DWORD>(asked ? 1 : 0, 0xFFFFFFFF)) << row.language;
        EXPECT_EQ(ime.librariesLoaded, 0);
        EXPECT_EQ(logLines(capture, "kvorkeyboard.KeyboardInteractiveTest"), row.log) << row.language;
    }
}

}  // namespace
