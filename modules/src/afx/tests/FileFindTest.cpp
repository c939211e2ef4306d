#include <gtest/gtest.h>

#include <set>
#include <string>

#include "afx/FileFind.h"
#include "kvo/Exception.h"

namespace {

// A fresh folder with a.kbl, b.kbl, c.txt and a folder x.kbl.
class FileFind : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"afx-filefind-" + std::to_wstring(::GetCurrentProcessId());
        ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
        for (const wchar_t* name : {L"a.kbl", L"b.kbl", L"c.txt"}) {
            afx::ScopedFileHandle file(::CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                                     CREATE_NEW, 0, nullptr));
            ASSERT_TRUE(file);
        }
        ASSERT_TRUE(::CreateDirectoryW((folder + L"\\x.kbl").c_str(), nullptr));
    }
    void TearDown() override {
        for (const wchar_t* name : {L"a.kbl", L"b.kbl", L"c.txt"}) ::DeleteFileW((folder + L"\\" + name).c_str());
        ::RemoveDirectoryW((folder + L"\\x.kbl").c_str());
        ::RemoveDirectoryW(folder.c_str());
    }

    std::wstring folder;
};

TEST_F(FileFind, VisitsEveryMatchOnceWithItsFullPath) {
    CFileFind finder;
    BOOL more = finder.FindFile((folder + L"\\*.kbl").c_str());
    ASSERT_TRUE(more);
    std::set<std::wstring> files;
    std::set<std::wstring> folders;
    while (more) {
        more = finder.FindNextFile();
        const std::wstring name = finder.GetFileName().str();
        EXPECT_EQ(finder.GetFilePath().str(), folder + L"\\" + name);
        (finder.IsDirectory() ? folders : files).insert(name);
    }
    EXPECT_EQ(files, (std::set<std::wstring>{L"a.kbl", L"b.kbl"}));
    EXPECT_EQ(folders, (std::set<std::wstring>{L"x.kbl"}));
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
    EXPECT_THROW(finder.GetFileName(), kvo::AssertionFailure);  // nothing to read
    EXPECT_THROW(finder.FindNextFile(), kvo::AssertionFailure);
    ASSERT_TRUE(finder.FindFile((folder + L"\\*.txt").c_str()));
    EXPECT_THROW(finder.GetFileName(), kvo::AssertionFailure);  // FindNextFile comes first
    finder.Close();
    EXPECT_THROW(finder.FindNextFile(), kvo::AssertionFailure);
}

}  // namespace
