#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "afx/FileFind.h"

// Every entry once: in a fresh folder with a.kbl, b.kbl, c.txt and a folder
// x.kbl, besides the two dots.
TEST(FileFind, VisitsEveryEntryOnce) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("afx-filefind-" + std::to_string(::GetCurrentProcessId()));
    std::filesystem::create_directories(folder / "x.kbl");
    for (const char* name : {"a.kbl", "b.kbl", "c.txt"}) std::ofstream(folder / name).put('x');
    CFileFind finder;
    std::multiset<std::wstring> seen;
    for (BOOL more = finder.FindFile((folder / "*").c_str()); more;) {
        more = finder.FindNextFile();
        seen.insert(finder.GetFileName().str());
    }
    EXPECT_EQ(seen, (std::multiset<std::wstring>{L".", L"..", L"a.kbl", L"b.kbl", L"c.txt", L"x.kbl"}));
    EXPECT_FALSE(finder.FindFile((folder / "*.none").c_str()));
    std::filesystem::remove_all(folder);
}
