#include <gtest/gtest.h>

#include <set>

#include "afx/FileFind.h"
#include "kvo/testing/TempFolder.h"

// Every entry once: in a fresh folder with a.kbl, b.kbl, c.txt and a folder
// x.kbl, besides the two dots.
TEST(FileFind, VisitsEveryEntryOnce) {
    const kvo::testing::TempFolder folder;
    std::filesystem::create_directories(folder.root / "x.kbl");
    for (const char* name : {"a.kbl", "b.kbl", "c.txt"}) folder.write(name, "x");
    CFileFind finder;
    std::multiset<std::wstring> seen;
    for (BOOL more = finder.FindFile((folder.root / "*").c_str()); more;) {
        more = finder.FindNextFile();
        seen.insert(finder.GetFileName().str());
    }
    EXPECT_EQ(seen, (std::multiset<std::wstring>{L".", L"..", L"a.kbl", L"b.kbl", L"c.txt", L"x.kbl"}));
    EXPECT_FALSE(finder.FindFile((folder.root / "*.none").c_str()));
}
