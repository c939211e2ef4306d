#pragma once
// The .rsrc section of a Windows module: a three-level directory (type,
// name, language) leading to the resources' data, as FindResourceExW walks it.
#include <cstdint>
#include <vector>

namespace kblmake {

constexpr std::uint16_t RT_DIALOG = 5;
constexpr std::uint16_t RT_STRING = 6;

struct Resource {
    std::uint16_t type;
    std::uint16_t name;  // integer names only
    std::uint16_t language;
    std::vector<std::uint8_t> data;
};

// The section as it lies in the file and, from `sectionRva` on, in memory:
// the data entries hold addresses relative to the image base. Entries are
// sorted by id at every level, as the loader's binary search requires.
std::vector<std::uint8_t> resourceSection(std::vector<Resource> resources, std::uint32_t sectionRva);

}  // namespace kblmake
