#pragma once
// Finding, stopping and starting programs by the executable name of a Run
// entry. Every handle and the debug privilege are held only for as long as
// one operation needs them.
#include <windows.h>

#include <optional>
#include <set>
#include <string>

#include "system/ProcessSystem.h"

namespace kvorkeyboard {

// The first running process whose executable name contains `executable`
// (letter case ignored) and is not in `skipped`. None when Windows cannot
// list processes.
std::optional<DWORD> FindProcess(ProcessSystem& processes, const std::wstring& executable,
                                 const std::set<DWORD>& skipped = {});

[[nodiscard]] bool IsProcessRunning(ProcessSystem& processes, const std::wstring& executable);

// False when the process cannot be opened for termination; true once it has
// been asked to end.
[[nodiscard]] bool TerminateProcessById(ProcessSystem& processes, DWORD processId);

// Starts `commandLine` as the shell's Run key would. False when it cannot.
[[nodiscard]] bool StartCommandLine(ProcessSystem& processes, const std::wstring& commandLine);

}  // namespace kvorkeyboard
