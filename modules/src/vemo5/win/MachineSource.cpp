// The machine's facts as Windows gives them; every call may fail, and then
// says nothing.
#include <windows.h>

#include <string>

#include "../Machine.h"
#include "kvo/OperatingSystem.h"
#include "kvo/String.h"

namespace vemo5 {
namespace {

// The provider signature 'RSMB', as the four characters read in a 32-bit number.
constexpr DWORD kRawSmbios = 'R' << 24 | 'S' << 16 | 'M' << 8 | 'B';

class Win32MachineSource : public MachineSource {
public:
    std::vector<std::uint8_t> smbiosTable() const override {
        const UINT size = ::GetSystemFirmwareTable(kRawSmbios, 0, nullptr, 0);
        std::vector<std::uint8_t> table(size);
        if (size == 0 || ::GetSystemFirmwareTable(kRawSmbios, 0, table.data(), size) != size) table.clear();
        return table;
    }

    // "major.minor.build" of the kernel's own version, or nothing when it does not say.
    std::string windowsVersion() const override {
        const kvo::OperatingSystem& os = kvo::OperatingSystem::getCurrentOperatingSystem();
        if (os.getMajor().value() == 0) return std::string();
        return std::to_string(os.getMajor().value()) + "." + std::to_string(os.getMinor()) + "." +
               std::to_string(os.getBuild());
    }

    std::vector<std::string> keyboardDeviceNames() const override {
        UINT count = 0;
        if (::GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0) return {};
        std::vector<RAWINPUTDEVICELIST> devices(count);
        const UINT listed = ::GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST));
        if (listed == static_cast<UINT>(-1)) return {};
        devices.resize(listed);
        std::vector<std::string> names;
        for (const RAWINPUTDEVICELIST& device : devices) {
            if (device.dwType != RIM_TYPEKEYBOARD) continue;
            UINT length = 0;
            if (::GetRawInputDeviceInfoW(device.hDevice, RIDI_DEVICENAME, nullptr, &length) != 0 || length == 0)
                continue;
            std::wstring name(length, L'\0');
            const UINT written = ::GetRawInputDeviceInfoW(device.hDevice, RIDI_DEVICENAME, name.data(), &length);
            if (written == 0 || written == static_cast<UINT>(-1)) continue;
            name.resize(wcsnlen(name.c_str(), name.size()));
            if (!name.empty()) names.push_back(kvo::String(name).toUtf8());
        }
        return names;
    }
};

}  // namespace

const MachineSource& systemMachineSource() {
    static const Win32MachineSource source;
    return source;
}

}  // namespace vemo5
