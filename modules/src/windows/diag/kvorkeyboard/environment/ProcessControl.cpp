#include "ProcessControl.h"

#include <vector>

#include "RunEntry.h"

namespace kvorkeyboard {
namespace {

static_assert(sizeof(PROCESSENTRY32W) == 568, "the process walk checks the entry's size");
static_assert(sizeof(STARTUPINFOW) == 104, "CreateProcessW checks the start-up block's size");

const wchar_t kDebugPrivilege[] = L"SeDebugPrivilege";

// A handle from the process seam, closed through it. Snapshots fail with
// INVALID_HANDLE_VALUE, the other functions with null.
class ScopedHandle {
public:
    ScopedHandle(ProcessSystem& processes, HANDLE handle) : m_processes(processes), m_handle(handle) {}
    ~ScopedHandle() {
        if (valid()) m_processes.closeHandle(m_handle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    bool valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }

private:
    ProcessSystem& m_processes;
    HANDLE m_handle;
};

// Sets the debug privilege's attributes on the current process's token. A
// failure only means the termination may be refused, which the caller sees.
void setDebugPrivilege(ProcessSystem& processes, DWORD attributes) {
    ScopedHandle token(processes, processes.openCurrentProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY));
    if (!token.valid()) return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = attributes;
    if (!processes.lookupPrivilegeValue(kDebugPrivilege, privileges.Privileges[0].Luid)) return;
    (void)processes.adjustTokenPrivileges(token.get(), privileges);
}

// The debug privilege lets us end a manager that another account started;
// it is enabled for one termination and cleared again on every path.
class ScopedDebugPrivilege {
public:
    explicit ScopedDebugPrivilege(ProcessSystem& processes) : m_processes(processes) {
        setDebugPrivilege(m_processes, SE_PRIVILEGE_ENABLED);
    }
    ~ScopedDebugPrivilege() { setDebugPrivilege(m_processes, 0); }
    ScopedDebugPrivilege(const ScopedDebugPrivilege&) = delete;
    ScopedDebugPrivilege& operator=(const ScopedDebugPrivilege&) = delete;

private:
    ProcessSystem& m_processes;
};

bool matches(const PROCESSENTRY32W& entry, const std::wstring& executable) {
    return FindSubstringNoCase(entry.szExeFile, executable.c_str()).has_value();
}

}  // namespace

std::optional<DWORD> FindProcess(ProcessSystem& processes, const std::wstring& executable,
                                 const std::set<DWORD>& skipped) {
    if (processes.isWindowsNT4() || !processes.hasProcessSnapshot()) return std::nullopt;
    ScopedHandle snapshot(processes, processes.createProcessSnapshot());
    if (!snapshot.valid()) return std::nullopt;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (bool more = processes.firstProcess(snapshot.get(), entry); more;
         more = processes.nextProcess(snapshot.get(), entry)) {
        if (matches(entry, executable) && skipped.count(entry.th32ProcessID) == 0) return entry.th32ProcessID;
        entry.dwSize = sizeof entry;
    }
    return std::nullopt;
}

bool IsProcessRunning(ProcessSystem& processes, const std::wstring& executable) {
    return FindProcess(processes, executable).has_value();
}

bool TerminateProcessById(ProcessSystem& processes, DWORD processId) {
    ScopedDebugPrivilege privilege(processes);
    ScopedHandle process(processes, processes.openProcess(PROCESS_TERMINATE, processId));
    if (!process.valid()) return false;
    // A process that is already ending refuses; it is gone all the same.
    (void)processes.terminateProcess(process.get(), 0);
    return true;
}

bool StartCommandLine(ProcessSystem& processes, const std::wstring& commandLine) {
    // CreateProcessW may write into the command line it is given.
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!processes.createProcess(writable.data(), startup, info)) return false;
    ScopedHandle process(processes, info.hProcess);
    ScopedHandle thread(processes, info.hThread);
    return true;
}

}  // namespace kvorkeyboard
