#pragma once
// A resource-only Windows DLL written directly, with no compiler or linker:
// PE32+ for x86-64, one .rsrc section, no code, no imports, entry point 0.
// The layout test maps it as a data file and reads its resources; Windows
// would load it as an ordinary library too.
#include <cstdint>
#include <vector>

#include "ResourceSection.h"

namespace kblmake {

constexpr std::uint32_t kFileAlignment = 0x200;
constexpr std::uint32_t kSectionAlignment = 0x1000;

std::vector<std::uint8_t> resourceOnlyDll(const std::vector<Resource>& resources);

// The PE checksum (the one imagehlp's CheckSumMappedFile computes): 16-bit
// one's-complement sum of the file with the checksum field taken as 0, plus
// the file's length.
std::uint32_t peChecksum(const std::vector<std::uint8_t>& file, std::size_t checksumOffset);

}  // namespace kblmake
