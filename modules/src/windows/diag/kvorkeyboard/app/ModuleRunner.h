#pragma once
// What the application's Run does: hand the host the module's identity,
// command line, version and callbacks, start it, and turn whatever it
// returns or throws into the process exit code.
#include "kvo/String.h"

namespace kvorkeyboard {

using HostStart = int (*)();

// `commandLine` is without the program's own name. Returns the host's exit
// code, or 0 when the host throws (a runtime exception is logged at level 4).
int RunModule(const kvo::String& commandLine, HostStart start);

}  // namespace kvorkeyboard
