#include "ResourceSection.h"

#include <algorithm>
#include <tuple>

#include "ByteWriter.h"

namespace kblmake {
namespace {

constexpr std::uint32_t kSubdirectory = 0x80000000;
constexpr std::size_t kDirectorySize = 16;
constexpr std::size_t kEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;

// A run of sorted resources that share one id at a level.
struct Group {
    std::uint16_t id;
    std::size_t first;
    std::size_t count;
};

std::uint16_t level(const Resource& r, int depth) { return depth == 0 ? r.type : depth == 1 ? r.name : r.language; }

std::vector<Group> groups(const std::vector<Resource>& resources, std::size_t first, std::size_t count, int depth) {
    std::vector<Group> out;
    for (std::size_t i = first; i < first + count; ++i) {
        if (out.empty() || out.back().id != level(resources[i], depth))
            out.push_back({level(resources[i], depth), i, 0});
        ++out.back().count;
    }
    return out;
}

void directoryHeader(ByteWriter& out, std::size_t entries) {
    out.u32(0);  // characteristics
    out.u32(0);  // time stamp: none, so that equal sources give equal files
    out.u16(0);  // major version
    out.u16(0);  // minor version
    out.u16(0);  // named entries
    out.u16(static_cast<std::uint16_t>(entries));
}

}  // namespace

std::vector<std::uint8_t> resourceSection(std::vector<Resource> resources, std::uint32_t sectionRva) {
    std::sort(resources.begin(), resources.end(), [](const Resource& a, const Resource& b) {
        return std::tie(a.type, a.name, a.language) < std::tie(b.type, b.name, b.language);
    });
    const std::vector<Group> types = groups(resources, 0, resources.size(), 0);
    std::vector<std::vector<Group>> names;
    for (const Group& type : types) names.push_back(groups(resources, type.first, type.count, 1));

    // Directories first (root, then one per type, then one per name), then
    // the data entries, then the data.
    std::size_t directoriesSize = kDirectorySize + kEntrySize * types.size();
    std::vector<std::size_t> typeDirectory, nameDirectory;
    for (std::size_t t = 0; t < types.size(); ++t) {
        typeDirectory.push_back(directoriesSize);
        directoriesSize += kDirectorySize + kEntrySize * names[t].size();
    }
    for (std::size_t t = 0; t < types.size(); ++t) {
        for (const Group& name : names[t]) {
            nameDirectory.push_back(directoriesSize);
            directoriesSize += kDirectorySize + kEntrySize * name.count;
        }
    }
    const std::size_t dataEntries = directoriesSize;

    ByteWriter out;
    directoryHeader(out, types.size());
    for (std::size_t t = 0; t < types.size(); ++t) {
        out.u32(types[t].id);
        out.u32(kSubdirectory | static_cast<std::uint32_t>(typeDirectory[t]));
    }
    std::size_t nameIndex = 0;
    for (std::size_t t = 0; t < types.size(); ++t) {
        directoryHeader(out, names[t].size());
        for (const Group& name : names[t]) {
            out.u32(name.id);
            out.u32(kSubdirectory | static_cast<std::uint32_t>(nameDirectory[nameIndex++]));
        }
    }
    for (const std::vector<Group>& typeNames : names) {
        for (const Group& name : typeNames) {
            directoryHeader(out, name.count);
            for (std::size_t i = name.first; i < name.first + name.count; ++i) {
                out.u32(resources[i].language);
                out.u32(static_cast<std::uint32_t>(dataEntries + kDataEntrySize * i));
            }
        }
    }
    std::size_t data = dataEntries + kDataEntrySize * resources.size();
    for (const Resource& resource : resources) {
        data = (data + 7) & ~std::size_t{7};
        out.u32(sectionRva + static_cast<std::uint32_t>(data));
        out.u32(static_cast<std::uint32_t>(resource.data.size()));
        out.u32(0);  // code page
        out.u32(0);  // reserved
        data += resource.data.size();
    }
    for (const Resource& resource : resources) {
        out.alignTo(8);
        out.bytes(resource.data);
    }
    return std::move(out.data());
}

}  // namespace kblmake
