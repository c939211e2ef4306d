#pragma once
// The two things the host needs from the operating system.
#include <string>

namespace vemo5 {

// The folder of the running program, UTF-8, without a trailing separator;
// "." when it cannot be found.
std::string executableFolder();

// A GUI-subsystem program has no console of its own: print into the one it
// was started from, if any. Does nothing where output already has a place.
void attachParentConsole();

}  // namespace vemo5
