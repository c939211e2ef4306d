#include "layout/LayoutLibraryScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeLayoutSystem.h"
#include "LayoutLog.h"
#include "frame/LocalizedStrings.h"
#include "kvo/Logging.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeLayoutSystem;

namespace {

const kvo::String kFolder = "D:\\layouts";

class LayoutLibraryScan : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CreateLocalizedStrings(); }

    LayoutLibraryScan() {
        system.folders.insert(kFolder);
        system.files[kFolder] = {"Std104Kbd.kbl", "Broken.kbl", "Custom.kbl", "Nameless.kbl"};
        system.modules["Std104Kbd.kbl"] = {"Standard 104/109 key keyboard.", {0x0409}};
        system.modules["Custom.kbl"] = {"Custom keyboard", {0x0409}};
        system.modules["Nameless.kbl"] = {"", {0x0409}};
    }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (std::uint32_t i = 0; i < layouts.size(); ++i) out.push_back(layouts[i].first.toUtf8());
        return out;
    }

    FakeLayoutSystem system;
    LoadedLayouts layouts{system};
};

// The host's test double answers every text with its id.
TEST_F(LayoutLibraryScan, ListsEveryModuleInFolderOrderUnderItsShownNameAndGoesBackWhereItStarted) {
    kvo::ScopedLogCapture logs(1);
    const LayoutScan scan = scanLayoutLibraries(system, kFolder, "", layouts);

    EXPECT_EQ(names(), (std::vector<std::string>{"KBStandard104", "Custom keyboard", "Nameless.kbl"}));
    EXPECT_EQ(layouts[1].second, system.libraryFor("Custom.kbl"));
    EXPECT_EQ(scan.unmappable, std::vector<kvo::String>{"Broken.kbl"});
    EXPECT_EQ(scan.wanted.first, kvo::String("KBStandard104"));
    EXPECT_EQ(scan.wanted.second, system.libraryFor("Std104Kbd.kbl"));
    EXPECT_EQ(system.cwd, kvo::String("C:\\start"));
    const auto entries = kvorkeyboard::testing::layoutTestLog(logs);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_NE(entries[1].message.find(" Set [KBStandard104] as default layout."), std::string::npos);
}

TEST_F(LayoutLibraryScan, MatchesTheWantedFileByNameIgnoringCaseOnly) {
    struct Case {
        const char* setting;
        const char* wanted;
    } const cases[] = {
        {"CUSTOM.KBL", "Custom keyboard"},
        {"nameless.kbl", "Nameless.kbl"},
        {"", "KBStandard104"},
        {"Custom", ""},                  // the extension is part of the name
        {"D:\\layouts\\Custom.kbl", ""},  // so is no folder
        {"Broken.kbl", ""},               // a file that could not be mapped is never shown
    };
    for (const Case& c : cases) {
        FakeLayoutSystem fresh = system;
        LoadedLayouts loaded(fresh);
        const LayoutScan scan = scanLayoutLibraries(fresh, kFolder, c.setting, loaded);
        EXPECT_EQ(scan.wanted.first, kvo::String(c.wanted)) << c.setting;
        EXPECT_EQ(scan.wanted.second == nullptr, std::string(c.wanted).empty()) << c.setting;
    }
}

TEST_F(LayoutLibraryScan, SearchesWhereTheProcessStandsWhenTheFolderCannotBeEntered) {
    system.files["C:\\start"] = {"Custom.kbl"};
    kvo::ScopedLogCapture logs(1);

    scanLayoutLibraries(system, "Q:\\missing", "", layouts);

    EXPECT_EQ(names(), std::vector<std::string>{"Custom keyboard"});
    EXPECT_EQ(system.cwd, kvo::String("C:\\start"));
    const auto entries = kvorkeyboard::testing::layoutTestLog(logs);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].level, 1);
    EXPECT_NE(entries[0].message.find(" Q:\\missing"), std::string::npos);
    EXPECT_EQ(entries[1].level, 3);
    EXPECT_NE(entries[1].message.find(" Failed to set path:Q:\\missing"), std::string::npos);
}

TEST_F(LayoutLibraryScan, FreesEveryLibraryInListOrderWhenTheListGoes) {
    {
        LoadedLayouts loaded(system);
        scanLayoutLibraries(system, kFolder, "", loaded);
        EXPECT_TRUE(system.freed.empty());
    }
    EXPECT_EQ(system.freed, (std::vector<HINSTANCE>{system.libraryFor("Std104Kbd.kbl"),
                                                    system.libraryFor("Custom.kbl"),
                                                    system.libraryFor("Nameless.kbl")}));
}

TEST_F(LayoutLibraryScan, EqualNamesAreResolvedToTheLibraryFoundLast) {
    system.files[kFolder] = {"A.kbl", "B.kbl", "C.kbl"};
    system.modules["A.kbl"] = {"Same", {}};
    system.modules["B.kbl"] = {"Same", {}};
    system.modules["C.kbl"] = {"Other", {}};
    scanLayoutLibraries(system, kFolder, "", layouts);

    EXPECT_EQ(layouts.lastNamed("Same").second, system.libraryFor("B.kbl"));
    const LayoutEntry none = layouts.lastNamed("Missing");
    EXPECT_TRUE(none.first.empty());
    EXPECT_EQ(none.second, nullptr);
}

}  // namespace
