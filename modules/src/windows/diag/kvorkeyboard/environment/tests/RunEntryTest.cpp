#include "environment/RunEntry.h"

#include <gtest/gtest.h>

#include <functional>

#include "system/testing/FakeRegistrySystem.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeRegistrySystem;

namespace {

using Value = FakeRegistrySystem::Value;

Value truncated(const std::wstring& text, std::size_t bytes) {
    Value v = FakeRegistrySystem::text(text);
    v.bytes.resize(bytes);
    return v;
}

TEST(RunEntry, ReadsAStringFromTheMachineWideRunKey) {
    FakeRegistrySystem registry;
    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\Mgr.exe /min");
    std::wstring text;
    EXPECT_TRUE(ReadRunEntry(registry, L"TPHOTKEY", text));
    EXPECT_EQ(text, L"C:\\Tools\\Mgr.exe /min");
    EXPECT_EQ(registry.openedRoot, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(registry.openedPath, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(registry.openedAccess, static_cast<REGSAM>(KEY_QUERY_VALUE));
}

// Empty text with success means nothing to stop; failure means the entry cannot be used.
TEST(RunEntry, EveryShapeOfEntryAndEveryRegistryFailure) {
    const std::wstring longest = std::wstring(259, L'a') + L"b";
    const struct {
        const char* rule;
        std::function<void(FakeRegistrySystem&)> setUp;
        bool ok;
        std::wstring text;
    } rows[] = {
        {"no Run key", [](FakeRegistrySystem& r) { r.openStatus = ERROR_FILE_NOT_FOUND; }, true, L""},
        {"no value", [](FakeRegistrySystem&) {}, true, L""},
        {"no bytes", [](FakeRegistrySystem& r) { r.values[L"TPHOTKEY"] = {REG_SZ, {}}; }, true, L""},
        {"only the terminator", [](FakeRegistrySystem& r) { r.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L""); },
         true, L""},
        {"full buffer without terminator, taken whole",
         [&](FakeRegistrySystem& r) { r.values[L"TPHOTKEY"] = truncated(longest, 520); }, true, longest},
        {"half a character at the end", [](FakeRegistrySystem& r) { r.values[L"TPHOTKEY"] = truncated(L"ab", 5); },
         true, L"ab"},
        {"wrong type",
         [](FakeRegistrySystem& r) {
             r.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"%ProgramFiles%\\Mgr.exe", REG_EXPAND_SZ);
         },
         false, L""},
        {"too long: 261 with terminator",
         [](FakeRegistrySystem& r) { r.values[L"TPHOTKEY"] = FakeRegistrySystem::text(std::wstring(260, L'x')); },
         false, L""},
        {"Run key denied", [](FakeRegistrySystem& r) { r.openStatus = ERROR_ACCESS_DENIED; }, false, L""},
        {"query denied",
         [](FakeRegistrySystem& r) {
             r.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Mgr.exe");
             r.queryStatus = ERROR_ACCESS_DENIED;
         },
         false, L""},
        {"close fails",
         [](FakeRegistrySystem& r) {
             r.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Mgr.exe");
             r.closeStatus = ERROR_INVALID_HANDLE;
         },
         false, L""},
    };
    for (const auto& row : rows) {
        FakeRegistrySystem registry;
        row.setUp(registry);
        std::wstring text = L"stale";
        EXPECT_EQ(ReadRunEntry(registry, L"TPHOTKEY", text), row.ok) << row.rule;
        EXPECT_EQ(text, row.text) << row.rule;
        EXPECT_EQ(registry.openKeys, 0) << row.rule;
    }
}

TEST(RunEntry, ExecutableKeepsFileNameAndExtensionWithTheirArguments) {
    EXPECT_EQ(RunEntryExecutable(L"C:\\Tools\\Mgr.exe"), L"Mgr.exe");
    EXPECT_EQ(RunEntryExecutable(L"Mgr.exe"), L"Mgr.exe");
    EXPECT_EQ(RunEntryExecutable(L"C:/Tools/TpHotKey"), L"TpHotKey");
    EXPECT_EQ(RunEntryExecutable(L"C:\\Tools\\Mgr.exe -min"), L"Mgr.exe -min");
    // A slash in an argument splits the path like any other separator.
    EXPECT_EQ(RunEntryExecutable(L"C:\\Tools\\Mgr.exe /min"), L"min");
}

TEST(RunEntry, FindSubstringNoCase) {
    EXPECT_EQ(FindSubstringNoCase(L"MyMgr.exe", L"mgr.exe"), 2u);
    EXPECT_EQ(FindSubstringNoCase(L"mgr.exe", L"MGR.EXE"), 0u);
    EXPECT_EQ(FindSubstringNoCase(L"xxabab", L"AB"), 2u);  // the first place
    for (auto [text, pattern] : {std::pair<const wchar_t*, const wchar_t*>{nullptr, L"a"}, {L"a", nullptr},
                                 {L"", L"a"}, {L"a", L""}, {L"mgr", L"mgr.exe"}, {L"Mgr.ex", L"gr.exe"}}) {
        EXPECT_FALSE(FindSubstringNoCase(text, pattern));
    }
}

}  // namespace
