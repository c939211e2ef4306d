#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "afx/FileFind.h"
#include "kvo/Exception.h"

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
    BOOL more = finder.FindFile((folder + L"\\*").c_str());
    std::multiset<std::wstring> files, folders;
    int dots = 0;
    while (more) {
        more = finder.FindNextFile();
        const std::wstring name = finder.GetFileName().str();
        if (finder.IsDots()) {
            ++dots;
            continue;
        }
        EXPECT_EQ(finder.GetFilePath().str(), folder + L"\\" + name);
        (finder.IsDirectory() ? folders : files).insert(name);
    }
    EXPECT_EQ(files, (std::multiset<std::wstring>{L"a.kbl", L"b.kbl", L"c.txt"}));
    EXPECT_EQ(folders, (std::multiset<std::wstring>{L"x.kbl"}));
    EXPECT_EQ(dots, 2);
}

TEST_F(FileFind, RelativePatternIsTakenFromTheCurrentDirectory) {
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

TEST_F(FileFind, DotsAreRecognised) {
    CFileFind finder;
    BOOL more = finder.FindFile((folder + L"\\*").c_str());
    int dots = 0;
    int entries = 0;
    while (more) {
        more = finder.FindNextFile();
        ++entries;
        if (finder.IsDots()) ++dots;
    }
    EXPECT_EQ(dots, 2);
    EXPECT_EQ(entries, 6);
}

TEST_F(FileFind, NoMatchAndMisuse) {
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile((folder + L"\\*.none").c_str()));
    EXPECT_THROW(finder.FindNextFile(), kvo::AssertionFailure);  // nothing to read
    ASSERT_TRUE(finder.FindFile((folder + L"\\*.txt").c_str()));
    EXPECT_THROW(finder.GetFileName(), kvo::AssertionFailure);  // FindNextFile comes first
    finder.Close();
    EXPECT_THROW(finder.FindNextFile(), kvo::AssertionFailure);
}

}  // namespace
