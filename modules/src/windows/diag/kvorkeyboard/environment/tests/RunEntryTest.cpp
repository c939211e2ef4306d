#include "environment/RunEntry.h"

#include <gtest/gtest.h>

#include "system/testing/FakeRegistrySystem.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeRegistrySystem;

namespace {

class RunEntryTest : public ::testing::Test {
protected:
    // Reads "TPHOTKEY"; the key must be closed again whatever happened.
    bool read() {
        text = L"stale";
        bool ok = ReadRunEntry(registry, L"TPHOTKEY", text);
        EXPECT_EQ(registry.openKeys, 0);
        return ok;
    }

    FakeRegistrySystem registry;
    std::wstring text;
};

}  // namespace

TEST_F(RunEntryTest, ReadsAStringFromTheMachineWideRunKey) {
    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\Mgr.exe /min");
    EXPECT_TRUE(read());
    EXPECT_EQ(text, L"C:\\Tools\\Mgr.exe /min");
    EXPECT_EQ(registry.openedRoot, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(registry.openedPath, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(registry.openedAccess, static_cast<REGSAM>(KEY_QUERY_VALUE));
}

TEST_F(RunEntryTest, NoKeyNoValueAndEmptyValuesMeanNothingToStop) {
    registry.openStatus = ERROR_FILE_NOT_FOUND;
    EXPECT_TRUE(read());
    EXPECT_EQ(text, L"");

    registry.openStatus = ERROR_SUCCESS;
    EXPECT_TRUE(read());  // no such value
    EXPECT_EQ(text, L"");

    registry.values[L"TPHOTKEY"] = {REG_SZ, {}};
    EXPECT_TRUE(read());
    EXPECT_EQ(text, L"");

    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"");  // only the terminator
    EXPECT_TRUE(read());
    EXPECT_EQ(text, L"");
}

TEST_F(RunEntryTest, ValuesThatCannotBeUsedAreReportedAsFailures) {
    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"%ProgramFiles%\\Mgr.exe", REG_EXPAND_SZ);
    EXPECT_FALSE(read());
    EXPECT_EQ(text, L"");

    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(std::wstring(260, L'x'));  // 261 with terminator
    EXPECT_FALSE(read());

    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Mgr.exe");
    registry.queryStatus = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(read());

    registry.queryStatus = ERROR_SUCCESS;
    registry.closeStatus = ERROR_INVALID_HANDLE;
    EXPECT_FALSE(read());
    EXPECT_EQ(text, L"");

    FakeRegistrySystem denied;
    denied.openStatus = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(ReadRunEntry(denied, L"TPHOTKEY", text));
}

TEST_F(RunEntryTest, AValueFillingTheWholeBufferWithoutTerminatorIsTakenWhole) {
    FakeRegistrySystem::Value full = FakeRegistrySystem::text(std::wstring(259, L'a') + L"b");
    full.bytes.resize(520);  // drop the terminator
    registry.values[L"TPHOTKEY"] = full;
    EXPECT_TRUE(read());
    EXPECT_EQ(text, std::wstring(259, L'a') + L"b");

    FakeRegistrySystem::Value odd = FakeRegistrySystem::text(L"ab");
    odd.bytes.resize(5);  // 'a', 'b' and half a character
    registry.values[L"TPHOTKEY"] = odd;
    EXPECT_TRUE(read());
    EXPECT_EQ(text, L"ab");
}

TEST(RunEntryExecutableTest, KeepsFileNameAndExtensionWithTheirArguments) {
    EXPECT_EQ(RunEntryExecutable(L"C:\\Tools\\Mgr.exe"), L"Mgr.exe");
    EXPECT_EQ(RunEntryExecutable(L"Mgr.exe"), L"Mgr.exe");
    EXPECT_EQ(RunEntryExecutable(L"C:/Tools/TpHotKey"), L"TpHotKey");
    EXPECT_EQ(RunEntryExecutable(L"C:\\Tools\\Mgr.exe -min"), L"Mgr.exe -min");
    // A slash in an argument splits the path like any other separator.
    EXPECT_EQ(RunEntryExecutable(L"C:\\Tools\\Mgr.exe /min"), L"min");
}

TEST(FindSubstringNoCaseTest, FindsTheFirstPlaceIgnoringCase) {
    EXPECT_EQ(FindSubstringNoCase(L"MyMgr.exe", L"mgr.exe"), 2u);
    EXPECT_EQ(FindSubstringNoCase(L"mgr.exe", L"MGR.EXE"), 0u);
    EXPECT_EQ(FindSubstringNoCase(L"abab", L"ab"), 0u);
    EXPECT_EQ(FindSubstringNoCase(L"xxab", L"AB"), 2u);
}

TEST(FindSubstringNoCaseTest, NothingMatchesNullEmptyOrLongerPatterns) {
    EXPECT_FALSE(FindSubstringNoCase(nullptr, L"a"));
    EXPECT_FALSE(FindSubstringNoCase(L"a", nullptr));
    EXPECT_FALSE(FindSubstringNoCase(L"", L"a"));
    EXPECT_FALSE(FindSubstringNoCase(L"a", L""));
    EXPECT_FALSE(FindSubstringNoCase(L"mgr", L"mgr.exe"));
    EXPECT_FALSE(FindSubstringNoCase(L"Mgr.ex", L"gr.exe"));
}
