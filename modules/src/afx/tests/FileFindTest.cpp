#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "afx/FileFind.h"

namespace {

// A fresh folder with a.kbl, b.kbl, c.txt and a folder x.kbl.
class FileFind : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(std::filesystem::path(folder) / L"x.kbl");
        for (const wchar_t* name : {L"a.kbl", L"b.kbl", L"c.txt"}) std::ofstream(std::filesystem::path(folder) / name);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    const std::wstring folder = (std::filesystem::temp_directory_path() /
                                 (L"afx-filefind-" + std::to_wstring(::GetCurrentProcessId()))).wstring();
};

TEST_F(FileFind, VisitsEveryEntryOnceWithItsFullPathAndKind) {
    CFileFind finder;
    std::multiset<std::wstring> seen;
    for (BOOL more = finder.FindFile((folder + L"\\*").c_str()); more;) {
        more = finder.FindNextFile();
        seen.insert(finder.IsDots() ? L"dots" : finder.GetFilePath().str() + (finder.IsDirectory() ? L"\\" : L""));
    }
    const std::wstring in = folder + L"\\";
    EXPECT_EQ(seen, (std::multiset<std::wstring>{in + L"a.kbl", in + L"b.kbl", in + L"c.txt", in + L"x.kbl\\", L"dots", L"dots"}));
    EXPECT_FALSE(finder.FindFile((folder + L"\\*.none").c_str()));
}

TEST_F(FileFind, ARelativePatternIsTakenFromTheCurrentDirectory) {
    wchar_t saved[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, saved);
    ASSERT_TRUE(::SetCurrentDirectoryW(folder.c_str()));
    CFileFind finder;
    const BOOL found = finder.FindFile(L"*.txt");
    ::SetCurrentDirectoryW(saved);
    ASSERT_TRUE(found);
    EXPECT_FALSE(finder.FindNextFile());  // c.txt is the only match
    EXPECT_EQ(finder.GetFilePath().str(), folder + L"\\c.txt");
}

}  // namespace
