#include "ProcessControl.h"

#include <vector>

#include "RunEntry.h"

namespace kvorkeyboard {
namespace {

static_assert(sizeof(PROCESSENTRY32W) == 568, "the process walk checks the entry's size");
static_assert(sizeof(STARTUPINFOW) == 104, "CreateProcessW checks the start-up block's size");

const wchar_t kDebugPrivilege[] = L"SeDebugPrivilege";

// Sets the debug privilege's attributes on the current process's token. A
// failure only means the termination may be refused, which the caller sees.
void setDebugPrivilege(ProcessSystem& processes, DWORD attributes) {
    const ProcessHandle token(processes.openCurrentProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), {&processes});
    if (!token) return;
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
    const ProcessHandle snapshot(processes.createProcessSnapshot(), {&processes});
    if (!snapshot) return std::nullopt;
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
    const ProcessHandle process(processes.openProcess(PROCESS_TERMINATE, processId), {&processes});
    if (!process) return false;
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
    // Nothing waits for the started program: its handles go at once.
    const ProcessHandle process(info.hProcess, {&processes});
    const ProcessHandle thread(info.hThread, {&processes});
    return true;
}

}  // namespace kvorkeyboard
