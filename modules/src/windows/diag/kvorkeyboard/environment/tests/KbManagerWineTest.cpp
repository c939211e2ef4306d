// The killer against the real registry and real processes, under Wine: a
// stand-in manager is registered under the machine-wide Run key and started
// twice. Everything the test registers or starts is removed on every path.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "environment/AutoKillKbManager.h"

using namespace kvorkeyboard;

namespace {

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kStandInName[] = L"KvoStandInManager.exe";
constexpr DWORD kExitWait = 10000;

struct HandleCloser {
    void operator()(HANDLE h) const { ::CloseHandle(h); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

std::wstring standInPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + kStandInName;
}

std::vector<DWORD> runningStandIns() {
    std::vector<DWORD> ids;
    UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
        if (::_wcsicmp(entry.szExeFile, kStandInName) == 0) ids.push_back(entry.th32ProcessID);
        entry.dwSize = sizeof entry;
    }
    return ids;
}

UniqueHandle startStandIn() {
    std::wstring commandLine = standInPath();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return nullptr;
    ::CloseHandle(info.hThread);
    return UniqueHandle(info.hProcess);
}
bool ended(const UniqueHandle& process, DWORD wait) { return ::WaitForSingleObject(process.get(), wait) == WAIT_OBJECT_0; }

// The Run values the test sets, deleted with it; and every stand-in still
// running at its end, including the one the killer started again, which
// the test never had a handle to.
class KbManagerWineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runningStandIns().empty()) << "a stand-in from elsewhere is running";
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &m_run, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        for (const wchar_t* name : m_set) ::RegDeleteValueW(m_run, name);
        ::RegCloseKey(m_run);
        for (DWORD id : runningStandIns()) {
            UniqueHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
            if (!process) continue;
            ::TerminateProcess(process.get(), 0);
            ::WaitForSingleObject(process.get(), kExitWait);
        }
        EXPECT_TRUE(runningStandIns().empty());
    }
    void registerStandIn(const wchar_t* name, DWORD type) {
        const std::wstring path = standInPath();
        ASSERT_EQ(::RegSetValueExW(m_run, name, 0, type, reinterpret_cast<const BYTE*>(path.c_str()),
                                   static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        m_set.push_back(name);
    }

private:
    HKEY m_run = nullptr;
    std::vector<const wchar_t*> m_set;
};

}  // namespace

TEST_F(KbManagerWineTest, BothInstancesStopAndExactlyOneComesBack) {
    registerStandIn(L"TPHOTKEY", REG_SZ);
    registerStandIn(L"TPKMAPMN", REG_SZ);
    const UniqueHandle first = startStandIn(), second = startStandIn();
    ASSERT_TRUE(first && second);
    ASSERT_EQ(runningStandIns().size(), 2u);
    {
        CAutoKbManagerKiller hotKeyKiller;
        CAutoKbManagerKiller keyMapKiller;
        EXPECT_TRUE(hotKeyKiller.killKbManager(::GetModuleHandleW(nullptr), "TPHOTKEY"));
        EXPECT_TRUE(keyMapKiller.killKbManager(::GetModuleHandleW(nullptr), "TPKMAPMN"));
        EXPECT_TRUE(ended(first, kExitWait));
        EXPECT_TRUE(ended(second, kExitWait));
        EXPECT_TRUE(runningStandIns().empty());
    }
    EXPECT_EQ(runningStandIns().size(), 1u);
}

TEST_F(KbManagerWineTest, AnExpandableEntryStopsNothing) {
    registerStandIn(L"TPKMAPMN", REG_EXPAND_SZ);
    const UniqueHandle first = startStandIn(), second = startStandIn();
    ASSERT_TRUE(first && second);
    {
        CAutoKbManagerKiller killer;
        EXPECT_FALSE(killer.killKbManager(::GetModuleHandleW(nullptr), "TPKMAPMN"));
    }
    EXPECT_FALSE(ended(first, 0));
    EXPECT_FALSE(ended(second, 0));
    EXPECT_EQ(runningStandIns().size(), 2u);
}
