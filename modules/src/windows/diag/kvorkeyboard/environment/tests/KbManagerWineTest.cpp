// The killer against the real registry and real processes, under Wine: a
// stand-in manager is registered under the machine-wide Run key and started
// twice. Everything the test registers or starts is removed on every path.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "environment/AutoKillKbManager.h"

using namespace kvorkeyboard;

namespace {

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kStandInName[] = L"KvoStandInManager.exe";
constexpr DWORD kExitWait = 10000;

std::wstring standInPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + kStandInName;
}

// Processes of the stand-in that are running now, by id.
std::vector<DWORD> runningStandIns() {
    std::vector<DWORD> ids;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (::_wcsicmp(entry.szExeFile, kStandInName) == 0) ids.push_back(entry.th32ProcessID);
        entry.dwSize = sizeof entry;
    }
    ::CloseHandle(snapshot);
    return ids;
}

// Sets a Run value for the life of the object and puts back what was there.
class ScopedRunValue {
public:
    ScopedRunValue(const wchar_t* name, const std::wstring& text, DWORD type) : m_name(name) {
        if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                              &m_key, nullptr) != ERROR_SUCCESS) {
            m_key = nullptr;
            return;
        }
        DWORD size = 0;
        if (::RegQueryValueExW(m_key, name, nullptr, &m_savedType, nullptr, &size) == ERROR_SUCCESS) {
            m_saved.resize(size);
            m_hadValue = ::RegQueryValueExW(m_key, name, nullptr, &m_savedType, m_saved.data(), &size) ==
                         ERROR_SUCCESS;
        }
        m_set = ::RegSetValueExW(m_key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    ~ScopedRunValue() {
        if (m_key == nullptr) return;
        if (m_hadValue)
            ::RegSetValueExW(m_key, m_name, 0, m_savedType, m_saved.data(), static_cast<DWORD>(m_saved.size()));
        else
            ::RegDeleteValueW(m_key, m_name);
        ::RegCloseKey(m_key);
    }
    ScopedRunValue(const ScopedRunValue&) = delete;
    ScopedRunValue& operator=(const ScopedRunValue&) = delete;
    bool isSet() const { return m_set; }

private:
    const wchar_t* m_name;
    HKEY m_key = nullptr;
    bool m_set = false;
    bool m_hadValue = false;
    DWORD m_savedType = REG_NONE;
    std::vector<BYTE> m_saved;
};

// One stand-in started by the test, ended with it.
class ScopedStandIn {
public:
    ScopedStandIn() {
        std::wstring commandLine = standInPath();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &m_info))
            m_info = PROCESS_INFORMATION{};
    }
    ~ScopedStandIn() {
        if (m_info.hProcess == nullptr) return;
        ::TerminateProcess(m_info.hProcess, 0);
        ::WaitForSingleObject(m_info.hProcess, kExitWait);
        ::CloseHandle(m_info.hThread);
        ::CloseHandle(m_info.hProcess);
    }
    ScopedStandIn(const ScopedStandIn&) = delete;
    ScopedStandIn& operator=(const ScopedStandIn&) = delete;
    bool started() const { return m_info.hProcess != nullptr; }
    bool ended(DWORD wait) const { return ::WaitForSingleObject(m_info.hProcess, wait) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION m_info{};
};

// Ends every stand-in still running when the test ends, including the one
// the killer started again, which the test never had a handle to.
class StandInSweep {
public:
    StandInSweep() = default;
    ~StandInSweep() {
        for (DWORD id : runningStandIns()) {
            HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            if (process == nullptr) continue;
            ::TerminateProcess(process, 0);
            ::WaitForSingleObject(process, kExitWait);
            ::CloseHandle(process);
        }
    }
    StandInSweep(const StandInSweep&) = delete;
    StandInSweep& operator=(const StandInSweep&) = delete;
};

class KbManagerWineTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(runningStandIns().empty()) << "a stand-in from elsewhere is running"; }
    void TearDown() override { EXPECT_TRUE(runningStandIns().empty()); }
};

}  // namespace

TEST_F(KbManagerWineTest, BothInstancesStopAndExactlyOneComesBack) {
    StandInSweep sweep;
    ScopedRunValue hotKey(L"TPHOTKEY", standInPath(), REG_SZ);
    ScopedRunValue keyMap(L"TPKMAPMN", standInPath(), REG_SZ);
    ASSERT_TRUE(hotKey.isSet() && keyMap.isSet());
    ScopedStandIn first, second;
    ASSERT_TRUE(first.started() && second.started());
    ASSERT_EQ(runningStandIns().size(), 2u);
    {
        CAutoKbManagerKiller hotKeyKiller;
        CAutoKbManagerKiller keyMapKiller;
        EXPECT_TRUE(hotKeyKiller.killKbManager(::GetModuleHandleW(nullptr), "TPHOTKEY"));
        EXPECT_TRUE(keyMapKiller.killKbManager(::GetModuleHandleW(nullptr), "TPKMAPMN"));
        EXPECT_TRUE(first.ended(kExitWait));
        EXPECT_TRUE(second.ended(kExitWait));
        EXPECT_TRUE(runningStandIns().empty());
    }
    EXPECT_EQ(runningStandIns().size(), 1u);
}

TEST_F(KbManagerWineTest, AnExpandableEntryStopsNothing) {
    StandInSweep sweep;
    ScopedRunValue keyMap(L"TPKMAPMN", standInPath(), REG_EXPAND_SZ);
    ASSERT_TRUE(keyMap.isSet());
    ScopedStandIn first, second;
    ASSERT_TRUE(first.started() && second.started());
    {
        CAutoKbManagerKiller killer;
        EXPECT_FALSE(killer.killKbManager(::GetModuleHandleW(nullptr), "TPKMAPMN"));
    }
    EXPECT_FALSE(first.ended(0));
    EXPECT_FALSE(second.ended(0));
    EXPECT_EQ(runningStandIns().size(), 2u);
}
