#include "PeImage.h"

#include "ByteWriter.h"

namespace kblmake {
namespace {

constexpr std::uint32_t kPeHeaderOffset = 0x40;  // right after the DOS header; no DOS stub
constexpr std::uint16_t IMAGE_FILE_MACHINE_AMD64 = 0x8664;
constexpr std::uint16_t IMAGE_FILE_EXECUTABLE_IMAGE = 0x0002, IMAGE_FILE_LARGE_ADDRESS_AWARE = 0x0020,
                        IMAGE_FILE_DLL = 0x2000;
constexpr std::uint16_t IMAGE_NT_OPTIONAL_HDR64_MAGIC = 0x20B;
constexpr std::uint16_t IMAGE_SUBSYSTEM_WINDOWS_GUI = 2;
constexpr std::uint16_t IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA = 0x0020,
                        IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE = 0x0040, IMAGE_DLLCHARACTERISTICS_NX_COMPAT = 0x0100;
constexpr std::uint32_t IMAGE_SCN_CNT_INITIALIZED_DATA = 0x00000040, IMAGE_SCN_MEM_READ = 0x40000000;
constexpr std::uint16_t kOptionalHeaderSize = 240;
constexpr std::uint32_t kDataDirectories = 16;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint64_t kImageBase = 0x180000000;  // the usual base of 64-bit DLLs
constexpr std::size_t kChecksumOffset = kPeHeaderOffset + 4 + 20 + 64;

std::uint32_t alignUp(std::size_t value, std::uint32_t boundary) {
    return static_cast<std::uint32_t>((value + boundary - 1) / boundary * boundary);
}

void dosHeader(ByteWriter& out) {
    out.u8('M');
    out.u8('Z');
    out.zeros(0x3C - 2);
    out.u32(kPeHeaderOffset);  // e_lfanew
}

void fileHeader(ByteWriter& out) {
    out.u8('P');
    out.u8('E');
    out.u16(0);
    out.u16(IMAGE_FILE_MACHINE_AMD64);
    out.u16(1);  // sections
    out.u32(0);  // time stamp: none, so that equal sources give equal files
    out.u32(0);  // symbol table
    out.u32(0);  // symbols
    out.u16(kOptionalHeaderSize);
    out.u16(IMAGE_FILE_EXECUTABLE_IMAGE | IMAGE_FILE_LARGE_ADDRESS_AWARE | IMAGE_FILE_DLL);
}

void optionalHeader(ByteWriter& out, std::uint32_t sectionSize, std::uint32_t rawSize) {
    out.u16(IMAGE_NT_OPTIONAL_HDR64_MAGIC);
    out.u8(14);  // linker version
    out.u8(0);
    out.u32(0);        // size of code
    out.u32(rawSize);  // size of initialised data
    out.u32(0);        // size of uninitialised data
    out.u32(0);        // entry point: none; the library runs nothing
    out.u32(0);        // base of code
    out.u64(kImageBase);
    out.u32(kSectionAlignment);
    out.u32(kFileAlignment);
    out.u16(6);  // operating system version
    out.u16(0);
    out.u16(0);  // image version
    out.u16(0);
    out.u16(6);  // subsystem version
    out.u16(0);
    out.u32(0);  // Win32 version value
    out.u32(kSectionAlignment + alignUp(sectionSize, kSectionAlignment));  // size of image
    out.u32(kFileAlignment);                                               // size of headers
    out.u32(0);                                                            // checksum, filled in last
    out.u16(IMAGE_SUBSYSTEM_WINDOWS_GUI);
    out.u16(IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA | IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE |
            IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    out.u64(0x100000);  // stack reserve
    out.u64(0x1000);    // stack commit
    out.u64(0x100000);  // heap reserve
    out.u64(0x1000);    // heap commit
    out.u32(0);         // loader flags
    out.u32(kDataDirectories);
    for (std::uint32_t i = 0; i < kDataDirectories; ++i) {
        out.u32(i == kResourceDirectory ? kSectionAlignment : 0);
        out.u32(i == kResourceDirectory ? sectionSize : 0);
    }
}

void sectionHeader(ByteWriter& out, std::uint32_t sectionSize, std::uint32_t rawSize) {
    for (char c : {'.', 'r', 's', 'r', 'c', '\0', '\0', '\0'}) out.u8(static_cast<std::uint8_t>(c));
    out.u32(sectionSize);        // virtual size
    out.u32(kSectionAlignment);  // virtual address: the first page after the headers
    out.u32(rawSize);
    out.u32(kFileAlignment);  // file offset: right after the headers
    out.u32(0);               // relocations
    out.u32(0);               // line numbers
    out.u16(0);
    out.u16(0);
    out.u32(IMAGE_SCN_CNT_INITIALIZED_DATA | IMAGE_SCN_MEM_READ);
}

}  // namespace

std::uint32_t peChecksum(const std::vector<std::uint8_t>& file, std::size_t checksumOffset) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < file.size(); i += 2) {
        if (i >= checksumOffset && i < checksumOffset + 4) continue;
        sum += file[i] | (i + 1 < file.size() ? file[i + 1] << 8 : 0);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint32_t>(sum + file.size());
}

std::vector<std::uint8_t> resourceOnlyDll(const std::vector<Resource>& resources) {
    const std::vector<std::uint8_t> section = resourceSection(resources, kSectionAlignment);
    const auto sectionSize = static_cast<std::uint32_t>(section.size());
    const std::uint32_t rawSize = alignUp(section.size(), kFileAlignment);

    ByteWriter out;
    dosHeader(out);
    fileHeader(out);
    optionalHeader(out, sectionSize, rawSize);
    sectionHeader(out, sectionSize, rawSize);
    out.alignTo(kFileAlignment);
    out.bytes(section);
    out.alignTo(kFileAlignment);
    out.patch32(kChecksumOffset, peChecksum(out.data(), kChecksumOffset));
    return std::move(out.data());
}

}  // namespace kblmake
