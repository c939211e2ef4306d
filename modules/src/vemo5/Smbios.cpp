#include "Smbios.h"

#include <algorithm>

namespace vemo5 {
namespace {

// RawSMBIOSData: calling method, major and minor version, DMI revision, then
// the 32-bit length of the structures that follow.
constexpr std::size_t kRawHeader = 8;
// Each structure: type, length of its formatted area (header included), handle.
constexpr std::size_t kStructureHeader = 4;
constexpr std::uint8_t kBiosInformation = 0;
constexpr std::uint8_t kSystemInformation = 1;
constexpr std::uint8_t kEndOfTable = 127;

// Just past the string set that starts at `at` (NUL-terminated strings, then
// one more NUL; two NULs when there are none), or 0 when it runs off the end.
std::size_t stringSetEnd(const std::uint8_t* table, std::size_t at, std::size_t end) {
    if (at < end && table[at] == 0) return at + 1 < end && table[at + 1] == 0 ? at + 2 : 0;
    while (at < end) {
        while (at < end && table[at] != 0) ++at;
        if (++at >= end) return 0;
        if (table[at] == 0) return at + 1;
    }
    return 0;
}

// String `index` (1-based; 0 means none) of a string set already known to end in bounds.
std::string stringAt(const std::uint8_t* table, std::size_t at, std::uint8_t index) {
    for (unsigned i = 1; index != 0 && table[at] != 0; ++i) {
        const std::size_t start = at;
        while (table[at] != 0) ++at;
        if (i == index) {
            std::string text(reinterpret_cast<const char*>(table + start), at - start);
            const std::size_t first = text.find_first_not_of(' ');
            if (first == std::string::npos) return std::string();
            return text.substr(first, text.find_last_not_of(' ') + 1 - first);
        }
        ++at;
    }
    return std::string();
}

}  // namespace

SmbiosFacts parseSmbios(const std::uint8_t* data, std::size_t size) {
    SmbiosFacts facts;
    if (data == nullptr || size < kRawHeader) return facts;
    const std::uint32_t declared = data[4] | data[5] << 8 | data[6] << 16 | static_cast<std::uint32_t>(data[7]) << 24;
    const std::size_t end = kRawHeader + std::min<std::size_t>(declared, size - kRawHeader);
    bool biosSeen = false;
    bool systemSeen = false;
    for (std::size_t at = kRawHeader; at + kStructureHeader <= end;) {
        const std::uint8_t type = data[at];
        const std::uint8_t length = data[at + 1];
        if (length < kStructureHeader || at + length > end) break;
        const std::size_t next = stringSetEnd(data, at + length, end);
        if (next == 0) break;
        const auto field = [&](std::size_t offset) {
            return offset < length ? stringAt(data, at + length, data[at + offset]) : std::string();
        };
        if (type == kBiosInformation && !biosSeen) {
            biosSeen = true;
            facts.biosVendor = field(4);
            facts.biosVersion = field(5);
        } else if (type == kSystemInformation && !systemSeen) {
            systemSeen = true;
            facts.manufacturer = field(4);
            facts.productName = field(5);
            facts.serialNumber = field(7);
        } else if (type == kEndOfTable) {
            break;
        }
        at = next;
    }
    return facts;
}

}  // namespace vemo5
