// The .kbl file byte by byte: the PE headers Windows checks before it maps a
// module, the section layout, and the resource directory that
// FindResourceExW walks, read back here independently of the writer.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "DialogTemplate.h"
#include "LayoutSource.h"
#include "LibraryImage.h"
#include "PeImage.h"

using namespace kblmake;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t at16(const Bytes& b, std::size_t o) { return b.at(o) | b.at(o + 1) << 8; }
std::uint32_t at32(const Bytes& b, std::size_t o) { return at16(b, o) | at16(b, o + 2) << 16; }

using Fields = std::vector<std::uint32_t>;

// The type, name and language of every leaf of the resource tree, in
// directory order, which the loader's binary search needs sorted by id.
std::vector<Fields> walk(const Bytes& file, std::size_t section, std::uint32_t sectionRva) {
    std::vector<Fields> leaves;
    auto level = [&](auto&& self, std::uint32_t directory, Fields path) -> void {
        const std::size_t base = section + directory;
        EXPECT_EQ(at16(file, base + 12), 0u) << "named entries";
        for (std::uint32_t i = 0; i < at16(file, base + 14); ++i) {
            const std::uint32_t id = at32(file, base + 16 + 8 * i), target = at32(file, base + 20 + 8 * i);
            path.push_back(id);
            EXPECT_EQ(target >> 31, path.size() < 3 ? 1u : 0u);
            if (path.size() < 3) {
                self(self, target & 0x7FFFFFFF, path);
            } else {
                const std::uint32_t rva = at32(file, section + target);
                EXPECT_TRUE(rva % 4 == 0 && rva >= sectionRva) << rva;
                leaves.push_back(path);
            }
            path.pop_back();
        }
    };
    level(level, 0, {});
    return leaves;
}

// What the resources hold is proven by Windows itself, which loads them from
// the shipped libraries (layouts/tests); here the bytes it checks first.
TEST(LibraryImage, IsAResourceOnlyDllThatWindowsAccepts) {
    const std::vector<DialogControl> keys{{0x1E, "A", false, 0, 0, 20, 19}, {1104, "Fn", true, 21, 0, 60, 19}};
    const Bytes file = layoutLibrary("Test keyboard", {{0x040C, keys}, {0x0409, keys}, {0x0407, keys}});

    ASSERT_EQ(file.size() % kFileAlignment, 0u);
    const std::size_t pe = at32(file, 0x3C), optional = pe + 24, header = optional + 240;
    const std::uint32_t rsrcRva = at32(file, optional + 112 + 16), rsrcSize = at32(file, optional + 112 + 20);
    const std::uint32_t raw = at32(file, header + 16), offset = at32(file, header + 20);
    // "MZ", "PE\0\0"; x86-64, one section, the PE32+ optional header's size; an executable image, large
    // addresses, a DLL; PE32+
    EXPECT_EQ((Fields{at16(file, 0), at32(file, pe), at16(file, pe + 4), at16(file, pe + 6), at16(file, pe + 20),
                      at16(file, pe + 22), at16(file, optional)}),
              (Fields{0x5A4D, 0x4550, 0x8664, 1, 240, 0x2022, 0x20B}));
    // alignments, size of headers, checksum; the GUI subsystem; high-entropy addresses, dynamic base, NX;
    // sixteen data directories
    EXPECT_EQ((Fields{at32(file, optional + 32), at32(file, optional + 36), at32(file, optional + 60),
                      at32(file, optional + 64), at16(file, optional + 68), at16(file, optional + 70),
                      at32(file, optional + 108)}),
              (Fields{kSectionAlignment, kFileAlignment, kFileAlignment, peChecksum(file, optional + 64), 2, 0x160,
                      16}));
    // the one section holds the resource directory, initialised data, readable, up to the file's end
    EXPECT_EQ(std::string(file.begin() + header, file.begin() + header + 8), std::string(".rsrc\0\0\0", 8));
    EXPECT_EQ((Fields{at32(file, header + 8), at32(file, header + 12), at32(file, header + 36), offset + raw,
                      raw % kFileAlignment, at32(file, optional + 56)}),
              (Fields{rsrcSize, rsrcRva, 0x40000040, static_cast<std::uint32_t>(file.size()), 0,
                      rsrcRva + (rsrcSize + 0xFFF) / 0x1000 * 0x1000}));
    EXPECT_GE(raw, rsrcSize);

    // The dialogs in the order of their languages, then string block 1.
    EXPECT_EQ(walk(file, offset, rsrcRva),
              (std::vector<Fields>{{5, 2, 0x0407}, {5, 2, 0x0409}, {5, 2, 0x040C}, {6, 1, 0x0409}}));
}

// The pictures that the resource compiler built before kblmake took over,
// pinned by a hash of their dialog templates: kblmake writes them byte for
// byte as they were, so no key of a shipped keyboard moved.
TEST(LibraryImage, WritesTheEarlierPicturesByteForByte) {
    const std::pair<const char*, std::uint64_t> pictures[] = {
        {"Std104Kbd", 0xcacfae1a6441c0c1}, {"Std101Kbd", 0x630a1b7d9292f68a}, {"Std106Kbd", 0x35553d52087c2746},
        {"Iso105Kbd", 0x3f8f9766958047c4}, {"MediaCenterKbd", 0x0c02dfa04f86faea},
    };
    for (const auto& [name, pinned] : pictures) {
        Diagnostics diagnostics;
        const LayoutSource source = readLayoutSource(std::string(KBLMAKE_LAYOUTS "/") + name + ".json", diagnostics);
        std::uint64_t hash = 0xCBF29CE484222325;  // FNV-1a
        for (std::uint8_t b : dialogTemplate(placeControls(source.english))) hash = (hash ^ b) * 0x100000001B3;
        EXPECT_EQ(hash, pinned) << name;
    }
}

// A picture 32 units wide gets 15 dialog units a key: a key from 1.5 to 2.5
// spans 22.5 to 37.5, which the earlier converter rounded to 22 and 38.
TEST(LibraryImage, PlacesHalvesOnTheEvenNeighbourAsTheEarlierPicturesWere) {
    KlePicture picture;
    picture.keys.resize(2);
    picture.keys[0].x = 1.5;
    picture.keys[1].x = 31;
    const DialogControl key = placeControls(picture)[0];
    EXPECT_EQ(std::make_pair(key.x, key.cx), std::make_pair(22, 38 - 22 - 1));
}

}  // namespace
