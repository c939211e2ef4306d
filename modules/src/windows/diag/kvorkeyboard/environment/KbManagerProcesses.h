#pragma once
// Stopping every running instance of the program a Run entry starts, and
// starting it again afterwards.
#include <windows.h>

#include "system/ProcessSystem.h"
#include "system/RegistrySystem.h"

namespace kvorkeyboard {

struct KbManagerSystem {
    RegistrySystem& registry;
    ProcessSystem& processes;
};

KbManagerSystem& systemKbManagerSystem();

// True unless the entry cannot be read; `killed` tells whether at least one
// process was terminated.
[[nodiscard]] bool KillProcessesOfRunEntry(KbManagerSystem& system, const wchar_t* valueName, bool& killed);

// Starts the entry's command line when `killed` and its program is not
// running again; `started` tells whether it did. False when the entry
// cannot be read or the program cannot be started.
[[nodiscard]] bool RestartRunEntry(KbManagerSystem& system, const wchar_t* valueName, bool killed, bool& started);

}  // namespace kvorkeyboard
