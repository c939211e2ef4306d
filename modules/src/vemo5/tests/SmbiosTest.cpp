#include <gtest/gtest.h>

#include <memory>

#include "../Smbios.h"

namespace vemo5 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One structure: type, formatted length, a zero handle, `fields`, then
// `strings`. (Built byte by byte: GCC 12 misreads inserts into small vectors.)
Bytes structure(std::uint8_t type, const Bytes& fields, const std::vector<std::string>& strings) {
    Bytes s = {type, static_cast<std::uint8_t>(4 + fields.size()), 0, 0};
    for (std::uint8_t field : fields) s.push_back(field);
    for (const std::string& text : strings)
        for (std::size_t i = 0; i <= text.size(); ++i) s.push_back(static_cast<std::uint8_t>(text.c_str()[i]));
    if (strings.empty()) s.push_back(0);
    s.push_back(0);
    return s;
}

const Bytes kBios = structure(0, {1, 2, 0, 0xF0, 3}, {"Insyde Corp.", "  R1.10 ", "01/02/2023"});
const Bytes kSystem = structure(1, {1, 2, 3, 4}, {"LENOVO", "20XW", "ThinkPad", "PF2ABCDE"});
const Bytes kEnd = structure(127, {}, {});

// A RawSMBIOSData block; `declared` overrides the length the header claims.
Bytes table(const std::vector<Bytes>& structures, long declared = -1) {
    std::size_t size = 0;
    for (const Bytes& s : structures) size += s.size();
    const auto length = static_cast<std::uint32_t>(declared < 0 ? static_cast<long>(size) : declared);
    Bytes t = {0, 3, 4, 0, static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
               static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
    for (const Bytes& s : structures)
        for (std::uint8_t byte : s) t.push_back(byte);
    return t;
}

Bytes cut(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// Parsed from a heap block of exactly the table's size, so that the
// sanitizer sees any read past its end.
SmbiosFacts parse(const Bytes& bytes) {
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return parseSmbios(bytes.empty() ? nullptr : exact.get(), bytes.size());
}

std::string text(const SmbiosFacts& f) {
    return f.biosVendor + "|" + f.biosVersion + "|" + f.manufacturer + "|" + f.productName + "|" + f.serialNumber;
}

TEST(Smbios, ReadsTheFirstBiosAndSystemStructuresAndLeavesOutWhatTheyDoNotSay) {
    const Bytes noSerial = structure(1, {1, 2, 0, 0}, {"Acme", "Box"});
    const Bytes badIndex = structure(1, {9, 1, 0, 0}, {"Box"});
    EXPECT_EQ("Insyde Corp.|R1.10|LENOVO|20XW|PF2ABCDE", text(parse(table({kBios, kSystem, noSerial, kEnd}))));
    EXPECT_EQ("||Acme|Box|", text(parse(table({noSerial, kSystem}))));
    EXPECT_EQ("|||Box|", text(parse(table({badIndex}))));
    // Short formatted areas, as older firmware writes them.
    EXPECT_EQ("Insyde Corp.||||", text(parse(table({structure(0, {1}, {"Insyde Corp."})}))));
    EXPECT_EQ("||||", text(parse(table({kEnd, kSystem}))));
}

TEST(Smbios, DamagedTablesKeepWhatCameBeforeTheDamageAndReadNothingPastTheEnd) {
    const Bytes good = table({kBios, kSystem});
    Bytes tooShortHeader = table({kBios, structure(1, {}, {"X"})});
    tooShortHeader[8 + kBios.size() + 1] = 3;
    Bytes pastTheEnd = table({kBios, kSystem});
    pastTheEnd[8 + kBios.size() + 1] = 200;
    const struct {
        const char* damage;
        Bytes bytes;
        const char* facts;
    } cases[] = {
        {"no table", {}, "||||"},
        {"header cut short", cut(good, 6), "||||"},
        {"formatted length below the header", tooShortHeader, "Insyde Corp.|R1.10|||"},
        {"formatted area past the end", pastTheEnd, "Insyde Corp.|R1.10|||"},
        {"string unterminated", cut(good, good.size() - 4), "Insyde Corp.|R1.10|||"},
        {"set without its closing NUL", cut(good, good.size() - 1), "Insyde Corp.|R1.10|||"},
        {"declared length beyond the data", cut(table({kBios, kSystem}, 4096), good.size() - 3),
         "Insyde Corp.|R1.10|||"},
        {"declared length inside a structure", table({kBios, kSystem}, static_cast<long>(kBios.size() + 6)),
         "Insyde Corp.|R1.10|||"},
        {"empty string set of one NUL", cut(table({kEnd}), 8 + 5), "||||"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.facts, text(parse(c.bytes))) << c.damage;
}

}  // namespace
}  // namespace vemo5
