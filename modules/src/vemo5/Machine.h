#pragma once
// The machine a run took place on, as far as it could be read: what a repair
// desk needs to match a report to a box. Nothing is guessed; a fact that
// cannot be read is left out.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vemo5 {

struct KeyboardDevice {
    std::string deviceName;
    // Four hex digits from the device name ("046D"); empty when it has none.
    std::string vendorId;
    std::string productId;
};

struct MachineFacts {
    // In report order, by report name ("manufacturer", "windowsVersion", ...).
    std::vector<std::pair<std::string, std::string>> fields;
    std::vector<KeyboardDevice> keyboards;
    bool empty() const { return fields.empty() && keyboards.empty(); }
};

// Where the facts come from: the operating system, behind a seam.
class MachineSource {
public:
    virtual ~MachineSource() = default;
    // The raw SMBIOS table as GetSystemFirmwareTable('RSMB') gives it; empty when unreadable.
    virtual std::vector<std::uint8_t> smbiosTable() const = 0;
    // "10.0.19045"; empty when unreadable.
    virtual std::string windowsVersion() const = 0;
    // The device names of the keyboards the system lists.
    virtual std::vector<std::string> keyboardDeviceNames() const = 0;
};

// The operating system's answers (none where there is no Windows).
const MachineSource& systemMachineSource();

MachineFacts collectMachine(const MachineSource& source);

// The USB ids a device name carries ("...VID_046D&PID_C31C..."), else empty ids.
KeyboardDevice keyboardDevice(const std::string& deviceName);

}  // namespace vemo5
