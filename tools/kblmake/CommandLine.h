#pragma once
// kblmake's command line, apart from main so that it can be tested.
#include <ostream>
#include <string>
#include <vector>

namespace kblmake {

enum ExitCode { kDone = 0, kDrawingHasErrors = 1, kUsage = 2, kCannotWrite = 3 };

// `args` without the program name, in UTF-8. Results go to `out`, messages
// about the drawings and the usage to `err`.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kblmake
