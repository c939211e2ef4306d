#include "Machine.h"

#include <cctype>

#include "Smbios.h"

namespace vemo5 {
namespace {

// "VID_" or "PID_" and four hex digits, in any letter case.
std::string idAfter(const std::string& name, const char* tag) {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::size_t at = upper.find(tag);
    if (at == std::string::npos || at + 8 > upper.size()) return std::string();
    const std::string digits = upper.substr(at + 4, 4);
    for (char c : digits)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::string();
    return digits;
}

}  // namespace

KeyboardDevice keyboardDevice(const std::string& deviceName) {
    return {deviceName, idAfter(deviceName, "VID_"), idAfter(deviceName, "PID_")};
}

MachineFacts collectMachine(const MachineSource& source) {
    const std::vector<std::uint8_t> table = source.smbiosTable();
    const SmbiosFacts smbios = parseSmbios(table.data(), table.size());
    const std::pair<const char*, std::string> read[] = {
        {"manufacturer", smbios.manufacturer}, {"productName", smbios.productName},
        {"serialNumber", smbios.serialNumber}, {"biosVendor", smbios.biosVendor},
        {"biosVersion", smbios.biosVersion},   {"windowsVersion", source.windowsVersion()},
    };
    MachineFacts facts;
    for (const auto& [name, value] : read)
        if (!value.empty()) facts.fields.emplace_back(name, value);
    for (const std::string& name : source.keyboardDeviceNames()) facts.keyboards.push_back(keyboardDevice(name));
    return facts;
}

}  // namespace vemo5
