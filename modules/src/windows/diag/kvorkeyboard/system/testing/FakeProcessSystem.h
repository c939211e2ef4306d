#pragma once
// A process table for tests. Snapshots copy the table when taken, the way
// toolhelp does; termination removes a process unless it is marked as
// refusing; a started command line becomes a new process named by the file
// part of its command line. Every handle handed out is tracked, so tests can
// see each one closed exactly once, and every call is written to `calls`.
#include <algorithm>
#include <cwchar>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../ProcessSystem.h"

namespace kvorkeyboard::testing {

class FakeProcessSystem : public ProcessSystem {
public:
    struct Process {
        DWORD id;
        std::wstring executable;
        bool refusesOpen = false;
    };

    std::vector<Process> processes;
    bool nt4 = false;
    bool snapshotMissing = false;
    bool snapshotFails = false;
    bool tokenFails = false;
    bool lookupFails = false;
    bool createFails = false;
    // Runs at every CreateProcessW, e.g. to throw.
    std::function<void()> onCreate;
    // Runs after every termination, e.g. to let a manager respawn itself.
    std::function<void(DWORD)> onTerminate;

    bool debugPrivilegeEnabled = false;
    bool entrySizeAlwaysSet = true;
    std::vector<std::wstring> calls;
    std::vector<std::wstring> commandLines;
    int closedTwice = 0;

    std::size_t openHandles() const { return m_handles.size(); }
    void add(DWORD id, const std::wstring& executable) { processes.push_back({id, executable}); }
    bool running(DWORD id) const {
        for (const Process& p : processes)
            if (p.id == id) return true;
        return false;
    }

    bool isWindowsNT4() override { return nt4; }
    bool hasProcessSnapshot() override { return !snapshotMissing; }
    HANDLE createProcessSnapshot() override {
        calls.push_back(L"snapshot");
        if (snapshotFails) return INVALID_HANDLE_VALUE;
        HANDLE h = newHandle();
        m_snapshots[h] = {processes, 0};
        return h;
    }
    bool firstProcess(HANDLE snapshot, PROCESSENTRY32W& entry) override {
        m_snapshots.at(snapshot).position = 0;
        return walk(snapshot, entry);
    }
    bool nextProcess(HANDLE snapshot, PROCESSENTRY32W& entry) override { return walk(snapshot, entry); }

    HANDLE openCurrentProcessToken(DWORD access) override {
        if (tokenFails || access != (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY)) return nullptr;
        return newHandle();
    }
    bool lookupPrivilegeValue(const wchar_t* name, LUID& luid) override {
        if (lookupFails || std::wcscmp(name, L"SeDebugPrivilege") != 0) return false;
        luid.LowPart = 20;
        luid.HighPart = 0;
        return true;
    }
    bool adjustTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& privileges) override {
        if (m_handles.count(token) == 0 || privileges.PrivilegeCount != 1 || privileges.Privileges[0].Luid.LowPart != 20)
            return false;
        debugPrivilegeEnabled = privileges.Privileges[0].Attributes == SE_PRIVILEGE_ENABLED;
        calls.push_back(debugPrivilegeEnabled ? L"enable" : L"disable");
        return true;
    }

    HANDLE openProcess(DWORD access, DWORD id) override {
        calls.push_back(L"open " + std::to_wstring(id));
        for (const Process& p : processes)
            if (p.id == id && !p.refusesOpen && access == PROCESS_TERMINATE) {
                HANDLE h = newHandle();
                m_processHandles[h] = id;
                return h;
            }
        return nullptr;
    }
    bool terminateProcess(HANDLE process, UINT exitCode) override {
        const DWORD id = m_processHandles.at(process);
        calls.push_back(L"terminate " + std::to_wstring(id) + (debugPrivilegeEnabled ? L" privileged" : L""));
        if (exitCode != 0) return false;
        processes.erase(std::remove_if(processes.begin(), processes.end(), [id](const Process& p) { return p.id == id; }),
                        processes.end());
        if (onTerminate) onTerminate(id);
        return true;
    }
    bool createProcess(wchar_t* commandLine, STARTUPINFOW& startup, PROCESS_INFORMATION& info) override {
        if (onCreate) onCreate();
        std::wstring line = commandLine;
        commandLines.push_back(line);
        if (createFails || startup.cb != sizeof(STARTUPINFOW)) return false;
        const DWORD id = m_nextId++;
        add(id, line.substr(line.find_last_of(L'\\') + 1));
        info.hProcess = newHandle();
        info.hThread = newHandle();
        info.dwProcessId = id;
        return true;
    }

    void closeHandle(HANDLE handle) override {
        if (m_handles.erase(handle) == 0) ++closedTwice;
        m_snapshots.erase(handle);
    }

private:
    struct Snapshot {
        std::vector<Process> processes;
        std::size_t position;
    };

    HANDLE newHandle() {
        HANDLE h = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(m_nextHandle += 4));
        m_handles.insert(h);
        return h;
    }
    bool walk(HANDLE snapshot, PROCESSENTRY32W& entry) {
        if (entry.dwSize != sizeof(PROCESSENTRY32W)) entrySizeAlwaysSet = false;
        Snapshot& s = m_snapshots.at(snapshot);
        if (s.position >= s.processes.size()) return false;
        const Process& p = s.processes[s.position++];
        entry.th32ProcessID = p.id;
        std::wcsncpy(entry.szExeFile, p.executable.c_str(), MAX_PATH - 1);
        entry.szExeFile[MAX_PATH - 1] = L'\0';
        entry.dwSize = 0;  // the caller must set it again before the next call
        return true;
    }

    std::set<HANDLE> m_handles;
    std::map<HANDLE, Snapshot> m_snapshots;
    std::map<HANDLE, DWORD> m_processHandles;
    ULONG_PTR m_nextHandle = 0x100;
    DWORD m_nextId = 9000;
};

}  // namespace kvorkeyboard::testing
