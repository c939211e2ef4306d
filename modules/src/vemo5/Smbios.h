#pragma once
// Reads the system's identity out of a raw SMBIOS table, as Windows hands it
// out (a RawSMBIOSData header, then the structures). Firmware tables are
// written by many hands: every length and string is checked against the
// buffer, and reading stops at the first structure that does not fit.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vemo5 {

struct SmbiosFacts {
    std::string biosVendor, biosVersion;                   // BIOS information, type 0
    std::string manufacturer, productName, serialNumber;  // system information, type 1
};

// Empty strings for what the table does not say.
SmbiosFacts parseSmbios(const std::uint8_t* data, std::size_t size);

}  // namespace vemo5
