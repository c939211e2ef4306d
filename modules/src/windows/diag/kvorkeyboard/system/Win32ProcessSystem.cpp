#include "KvoModuleSupport/ModuleSupport.h"
#include "ProcessSystem.h"
#include "kvo/DynamicLibrary.h"

namespace kvorkeyboard {
namespace {

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using WalkFn = BOOL(WINAPI*)(HANDLE, LPPROCESSENTRY32W);

class Win32ProcessSystem final : public ProcessSystem {
public:
    bool isWindowsNT4() override { return IsThisWindowsNT4() != 0; }
    bool hasProcessSnapshot() override {
        if (!m_kernel32.load()) return false;
        m_create = reinterpret_cast<CreateSnapshotFn>(m_kernel32.getSymbol("CreateToolhelp32Snapshot"));
        m_first = reinterpret_cast<WalkFn>(m_kernel32.getSymbol("Process32FirstW"));
        m_next = reinterpret_cast<WalkFn>(m_kernel32.getSymbol("Process32NextW"));
        return m_create != nullptr && m_first != nullptr && m_next != nullptr;
    }
    HANDLE createProcessSnapshot() override {
        const HANDLE snapshot = m_create(TH32CS_SNAPPROCESS, 0);
        return snapshot != INVALID_HANDLE_VALUE ? snapshot : nullptr;
    }
    bool firstProcess(HANDLE snapshot, PROCESSENTRY32W& entry) override { return m_first(snapshot, &entry) != FALSE; }
    bool nextProcess(HANDLE snapshot, PROCESSENTRY32W& entry) override { return m_next(snapshot, &entry) != FALSE; }

    HANDLE openCurrentProcessToken(DWORD access) override {
        HANDLE token = nullptr;
        return ::OpenProcessToken(::GetCurrentProcess(), access, &token) ? token : nullptr;
    }
    bool lookupPrivilegeValue(const wchar_t* name, LUID& luid) override {
        return ::LookupPrivilegeValueW(nullptr, name, &luid) != FALSE;
    }
    bool adjustTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& privileges) override {
        return ::AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr) != FALSE;
    }

    HANDLE openProcess(DWORD access, DWORD processId) override { return ::OpenProcess(access, FALSE, processId); }
    bool terminateProcess(HANDLE process, UINT exitCode) override {
        return ::TerminateProcess(process, exitCode) != FALSE;
    }
    bool createProcess(wchar_t* commandLine, STARTUPINFOW& startup, PROCESS_INFORMATION& info) override {
        return ::CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                &info) != FALSE;
    }

    void closeHandle(HANDLE handle) override { ::CloseHandle(handle); }

private:
    kvo::DynamicLibrary m_kernel32{kvo::String("kernel32.dll")};
    CreateSnapshotFn m_create = nullptr;
    WalkFn m_first = nullptr;
    WalkFn m_next = nullptr;
};

}  // namespace

ProcessSystem& systemProcesses() {
    static Win32ProcessSystem processes;
    return processes;
}

}  // namespace kvorkeyboard
