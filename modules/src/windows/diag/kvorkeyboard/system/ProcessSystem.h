#pragma once
// Processes and privileges: what stopping and restarting a resident program
// needs of Windows. Win32ProcessSystem only forwards; tests play a process
// table that refuses, fails or throws wherever a branch needs it.
#include <windows.h>
#include <tlhelp32.h>

#include "kvo/UniqueHandle.h"

namespace kvorkeyboard {

class ProcessSystem {
public:
    virtual ~ProcessSystem() = default;

    // Windows NT 4.0 has no process snapshot at all.
    virtual bool isWindowsNT4() = 0;
    // The snapshot functions are looked up in kernel32 at run time; false
    // when the library or any of the three is missing.
    [[nodiscard]] virtual bool hasProcessSnapshot() = 0;
    // These three only after hasProcessSnapshot() said yes.
    // Null on failure, like every handle this seam gives.
    virtual HANDLE createProcessSnapshot() = 0;
    [[nodiscard]] virtual bool firstProcess(HANDLE snapshot, PROCESSENTRY32W& entry) = 0;
    [[nodiscard]] virtual bool nextProcess(HANDLE snapshot, PROCESSENTRY32W& entry) = 0;

    // Null on failure.
    virtual HANDLE openCurrentProcessToken(DWORD access) = 0;
    [[nodiscard]] virtual bool lookupPrivilegeValue(const wchar_t* name, LUID& luid) = 0;
    [[nodiscard]] virtual bool adjustTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& privileges) = 0;

    // Null on failure.
    virtual HANDLE openProcess(DWORD access, DWORD processId) = 0;
    [[nodiscard]] virtual bool terminateProcess(HANDLE process, UINT exitCode) = 0;
    // CreateProcessW with only a command line: no inheritance, no flags, the
    // caller's environment and directory.
    [[nodiscard]] virtual bool createProcess(wchar_t* commandLine, STARTUPINFOW& startup,
                                             PROCESS_INFORMATION& info) = 0;

    virtual void closeHandle(HANDLE handle) = 0;
};

// A snapshot, token, process or thread handle, closed through the system that gave it.
using ProcessHandle = kvo::SeamHandle<ProcessSystem, HANDLE, &ProcessSystem::closeHandle>;

ProcessSystem& systemProcesses();

}  // namespace kvorkeyboard
