#include <unistd.h>

#include <climits>

#include "Machine.h"
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

namespace vemo5 {
namespace {

// Off Windows there is no SMBIOS call, Windows version or Raw Input to ask.
class NoMachineSource : public MachineSource {
public:
    std::vector<std::uint8_t> smbiosTable() const override { return {}; }
    std::string windowsVersion() const override { return {}; }
    std::vector<std::string> keyboardDeviceNames() const override { return {}; }
};

}  // namespace

const MachineSource& systemMachineSource() {
    static const NoMachineSource source;
    return source;
}

}  // namespace vemo5
