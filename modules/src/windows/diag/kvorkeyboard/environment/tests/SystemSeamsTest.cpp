// What the fakes stand in for, under Wine: a Run entry read through the real
// registry, and this very process found through the real process list.
#include <gtest/gtest.h>

#include "environment/ProcessControl.h"
#include "environment/RunEntry.h"

using namespace kvorkeyboard;

TEST(SystemSeams, ARunEntryAndThisProcessAreFoundOnTheSystem) {
    HKEY run = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0, nullptr, 0,
                                KEY_SET_VALUE, nullptr, &run, nullptr),
              ERROR_SUCCESS);
    const std::wstring line = L"C:\\Tools\\kvo-stand-in.exe /min";
    const LONG set = ::RegSetValueExW(run, L"KvoStandIn", 0, REG_SZ, reinterpret_cast<const BYTE*>(line.c_str()),
                                      static_cast<DWORD>((line.size() + 1) * sizeof(wchar_t)));
    std::wstring read;
    const bool usable = ReadRunEntry(systemRegistry(), L"KvoStandIn", read);
    ::RegDeleteValueW(run, L"KvoStandIn");
    ::RegCloseKey(run);
    EXPECT_EQ(set, ERROR_SUCCESS);
    EXPECT_TRUE(usable);
    EXPECT_EQ(read, line);
    EXPECT_TRUE(IsProcessRunning(systemProcesses(), L"kvorkeyboard_environment_tests.exe"));
    EXPECT_FALSE(IsProcessRunning(systemProcesses(), L"kvo-stand-in.exe"));
}
