// The production system side on real files: a folder the test fills with
// small libraries built beside it, and one file that is no module at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "afx/ScopedWin.h"
#include "layout/LayoutLibraryScan.h"
#include "layout/LayoutPicture.h"
#include "layout/Win32LayoutSystem.h"

using namespace kvorkeyboard;

namespace {

const wchar_t* const kFixtures[] = {L"Named.kbl", L"Unnamed.kbl", L"LongFrench.kbl"};

class LayoutFolder : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"kvo-layouts-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(m_folder.c_str(), nullptr)) << GetLastError();
        for (const wchar_t* fixture : kFixtures)
            ASSERT_TRUE(CopyFileW(fixture, (m_folder + L"\\" + fixture).c_str(), TRUE)) << GetLastError();
        afx::ScopedHandle empty(CreateFileW((m_folder + L"\\Broken.kbl").c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(empty);
    }

    void TearDown() override {
        for (const wchar_t* file : {L"Named.kbl", L"Unnamed.kbl", L"LongFrench.kbl", L"Broken.kbl"})
            DeleteFileW((m_folder + L"\\" + file).c_str());
        RemoveDirectoryW(m_folder.c_str());
    }

    kvo::String folder() const { return kvo::String(m_folder); }

    Win32LayoutSystem system;

private:
    std::wstring m_folder;
};

std::vector<std::string> sortedNames(const LoadedLayouts& layouts) {
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < layouts.size(); ++i) names.push_back(layouts[i].first.toUtf8());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(LayoutFolder, MapsTheModulesAndNamesThemAsTheListShowsThem) {
    const kvo::String before = system.currentDirectory();
    LoadedLayouts layouts(system);

    const LayoutScan scan = scanLayoutLibraries(system, folder(), "UNNAMED.KBL", layouts);

    EXPECT_EQ(sortedNames(layouts), (std::vector<std::string>{
                                        "012345678901234567890123456789012345678901234567890123456789012",
                                        "KBStandard104", "Unnamed.kbl"}));
    EXPECT_EQ(scan.unmappable, std::vector<kvo::String>{"Broken.kbl"});
    EXPECT_EQ(scan.wanted.first, kvo::String("Unnamed.kbl"));
    EXPECT_NE(scan.wanted.second, nullptr);
    EXPECT_EQ(system.currentDirectory(), before);
}

TEST_F(LayoutFolder, DrawsEnglishPicturesAndCountsOnlyTheirKeys) {
    if (PRIMARYLANGID(GetUserDefaultLangID()) == LANG_FRENCH) GTEST_SKIP() << "needs a user who is not French";
    LoadedLayouts layouts(system);
    (void)scanLayoutLibraries(system, folder(), "", layouts);
    afx::ScopedWindow area(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 200, nullptr,
                                           nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(area);

    afx::ScopedWindow named(createLayoutPicture(system, layouts.lastNamed("KBStandard104").second, area.get()));
    ASSERT_TRUE(named) << GetLastError();
    kvo::Array<HWND> keys;
    discoverKeys(system, named.get(), keys);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(GetDlgCtrlID(keys[0]) + GetDlgCtrlID(keys[1]), 30 + 31);

    const LayoutEntry french = layouts.lastNamed("012345678901234567890123456789012345678901234567890123456789012");
    ASSERT_NE(french.second, nullptr);
    EXPECT_EQ(createLayoutPicture(system, french.second, area.get()), nullptr);
}

}  // namespace
