#include <unistd.h>

#include <climits>

#include "Platform.h"

namespace vemo5 {

std::string executableFolder() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    std::string full(path, static_cast<std::size_t>(length));
    std::size_t slash = full.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string(slash == 0 ? "/" : ".") : full.substr(0, slash);
}

void attachParentConsole() {}

}  // namespace vemo5
