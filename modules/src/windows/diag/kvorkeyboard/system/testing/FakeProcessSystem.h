#pragma once
// A process table for tests. A snapshot walks the table as it was when
// taken and clears each entry's size, which the caller must set again;
// termination removes a process; a started command line becomes a process
// named by its file part. Every handle is tracked, so that a leak, a double
// close, a termination without the debug privilege or a privilege left on
// shows.
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../ProcessSystem.h"

namespace kvorkeyboard::testing {

class FakeProcessSystem : public ProcessSystem {
public:
    using Table = std::vector<std::pair<DWORD, std::wstring>>;  // id and executable
    Table processes;
    std::set<DWORD> refusing;  // cannot be opened
    bool nt4 = false, snapshotFails = false, privilegeFails = false, createFails = false;
    std::function<void()> onCreate;          // e.g. throws
    std::function<void(DWORD)> onTerminate;  // e.g. respawns the manager
    std::vector<DWORD> terminated;
    std::vector<std::wstring> started;  // command lines
    // Terminations without the debug privilege; handles closed twice, entry sizes not set again.
    int unprivileged = 0, misuses = 0;
    bool privileged = false;

    std::size_t openHandles() const { return m_handles.size(); }

    bool isWindowsNT4() override { return nt4; }
    bool hasProcessSnapshot() override { return true; }
    HANDLE createProcessSnapshot() override { return snapshotFails ? nullptr : (m_snapshot = processes, newHandle()); }
    bool firstProcess(HANDLE, PROCESSENTRY32W& entry) override { return m_position = 0, nextProcess(nullptr, entry); }
    bool nextProcess(HANDLE, PROCESSENTRY32W& entry) override {
        if (entry.dwSize != sizeof(PROCESSENTRY32W)) ++misuses;
        if (m_position >= m_snapshot.size()) return false;
        entry.th32ProcessID = m_snapshot[m_position].first;
        entry.szExeFile[m_snapshot[m_position++].second.copy(entry.szExeFile, MAX_PATH - 1)] = L'\0';
        return entry.dwSize = 0, true;
    }

    HANDLE openCurrentProcessToken(DWORD access) override {
        return privilegeFails || access != (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY) ? nullptr : newHandle();
    }
    bool lookupPrivilegeValue(const wchar_t* name, LUID& luid) override {
        return luid = {20, 0}, std::wstring(name) == L"SeDebugPrivilege";
    }
    bool adjustTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& p) override {
        if (!m_handles.count(token) || p.PrivilegeCount != 1 || p.Privileges[0].Luid.LowPart != 20) return false;
        return privileged = p.Privileges[0].Attributes == SE_PRIVILEGE_ENABLED, true;
    }

    HANDLE openProcess(DWORD access, DWORD id) override {
        const bool found = std::any_of(processes.begin(), processes.end(), [id](const auto& p) { return p.first == id; });
        if (!found || refusing.count(id) || access != PROCESS_TERMINATE) return nullptr;
        const HANDLE h = newHandle();
        return m_opened[h] = id, h;
    }
    bool terminateProcess(HANDLE process, UINT exitCode) override {
        const DWORD id = m_opened.at(process);
        terminated.push_back(id);
        unprivileged += privileged ? 0 : 1;
        processes.erase(std::remove_if(processes.begin(), processes.end(), [id](const auto& p) { return p.first == id; }),
                        processes.end());
        if (onTerminate) onTerminate(id);
        return exitCode == 0;
    }
    bool createProcess(wchar_t* commandLine, STARTUPINFOW& startup, PROCESS_INFORMATION& info) override {
        if (onCreate) onCreate();
        const std::wstring line = commandLine;
        started.push_back(line);
        if (createFails || startup.cb != sizeof(STARTUPINFOW)) return false;
        processes.push_back({m_nextId, line.substr(line.find_last_of(L'\\') + 1)});
        info = {newHandle(), newHandle(), m_nextId++, 0};
        return true;
    }
    void closeHandle(HANDLE handle) override { misuses += m_handles.erase(handle) ? 0 : 1; }

private:
    HANDLE newHandle() { return *m_handles.insert(reinterpret_cast<HANDLE>(m_nextHandle += 4)).first; }

    std::set<HANDLE> m_handles;
    std::map<HANDLE, DWORD> m_opened;
    Table m_snapshot;
    std::size_t m_position = 0;
    ULONG_PTR m_nextHandle = 0x100;
    DWORD m_nextId = 9000;
};

}  // namespace kvorkeyboard::testing
