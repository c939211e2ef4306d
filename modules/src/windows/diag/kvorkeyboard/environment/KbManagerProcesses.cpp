#include "KbManagerProcesses.h"

#include <set>
#include <string>

#include "ProcessControl.h"
#include "RunEntry.h"

namespace kvorkeyboard {
namespace {

// A process that cannot be terminated stays in every new snapshot, so each
// process id gets one attempt. A manager that respawns itself under a new id
// would still keep the search going; no machine runs this many instances of
// one manager, so the search gives up after this many attempts.
constexpr std::size_t kMaxTerminationAttempts = 64;

}  // namespace

KbManagerSystem& systemKbManagerSystem() {
    static KbManagerSystem system{systemRegistry(), systemProcesses()};
    return system;
}

bool KillProcessesOfRunEntry(KbManagerSystem& system, const wchar_t* valueName, bool& killed) {
    killed = false;
    std::wstring entry;
    if (!ReadRunEntry(system.registry, valueName, entry)) return false;
    if (entry.empty()) return true;
    const std::wstring executable = RunEntryExecutable(entry);
    std::set<DWORD> attempted;
    while (attempted.size() < kMaxTerminationAttempts) {
        std::optional<DWORD> processId = FindProcess(system.processes, executable, attempted);
        if (!processId) break;
        attempted.insert(*processId);
        if (TerminateProcessById(system.processes, *processId)) killed = true;
    }
    return true;
}

bool RestartRunEntry(KbManagerSystem& system, const wchar_t* valueName, bool killed, bool& started) {
    started = false;
    if (!killed) return true;
    std::wstring entry;
    if (!ReadRunEntry(system.registry, valueName, entry)) return false;
    if (entry.empty()) return true;
    if (IsProcessRunning(system.processes, RunEntryExecutable(entry))) return true;
    if (!StartCommandLine(system.processes, entry)) return false;
    started = true;
    return true;
}

}  // namespace kvorkeyboard
