// The shipped catalogs as the host reads them at a bench abroad: each has
// every text the module registers and every test's name, so that nothing
// falls back to English or to its id, and no line the host skips; and each
// names the same Alt shortcuts as English, since those letters are what the
// dialogs react to. The registered tests, their parameters and the events
// are pinned by the host's listing, end to end.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "registration/LocalizedStrings.h"
#include "registration/ModuleRegistration.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;

namespace {

vemo5::TestResult run(const vemo5::DiagDevice&) { return vemo5::TestResult::PASS(); }

// The shortcut letters a text tells the operator to press ("Alt+F", not "Alt+Fin").
std::string shortcutsIn(const std::string& text) {
    static const std::regex shortcut("Alt\\+([PFXS])(?![A-Za-z])");
    std::string letters;
    for (std::sregex_iterator m(text.begin(), text.end(), shortcut), end; m != end; ++m) letters += (*m)[1].str();
    return letters;
}

TEST(TextCatalog, EveryLanguageShowsEveryTextAndTheEnglishShortcuts) {
    RegisterTestsAndEvents({run, run, run, run});
    const vemo5::Test* const tests[] = {g_pKeyboardInteractiveTest, g_pKeyboardLayoutTest, g_pSimpleKeyboardTest,
                                        g_pMediaCenterKeyboardTest};
    CreateLocalizedStrings();
    std::map<std::string, std::string> english;
    for (const char* language : {"en", "de", "fr", "ja", "ko", "zh_cn", "zh_tw"}) {
        const char* args[] = {"kvorkeyboard.mlx", "--list", "--texts", KVORKEYBOARD_TEXTS_DIR, "--language", language};
        vemo5::DiagModule::setCmdLineArgs(6, const_cast<char**>(args));
        kvo::ScopedLogCapture capture(3);
        ASSERT_EQ(vemo5::DiagModule::start(), 0);
        std::map<std::string, std::string> shown;
        for (int i = 0; i < kTextCount; ++i) shown[textIdName(TextId(i))] = localizedText(TextId(i)).toUtf8();
        for (const vemo5::Test* test : tests) shown[test->name()] = test->localizedName().kvoString().toUtf8();
        EXPECT_EQ(kvorkeyboard::testing::logLines(capture, "vemo5.TextCatalog"), std::vector<std::string>{}) << language;
        if (english.empty()) english = shown;
        for (const auto& [id, text] : shown) {
            EXPECT_TRUE(!text.empty() && text != id) << language << " " << id;
            EXPECT_EQ(shortcutsIn(text), shortcutsIn(english[id])) << language << " " << id;
        }
    }
    EXPECT_EQ(english.size(), 133u);
}

}  // namespace
