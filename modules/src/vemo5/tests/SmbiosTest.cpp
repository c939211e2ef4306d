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

TEST(Smbios, ReadsWhatTheTableSaysAndNothingPastItsEndOrItsFirstDamage) {
    const Bytes good = table({kBios, kSystem});
    Bytes tooShortHeader = table({kBios, structure(1, {}, {"X"})});
    tooShortHeader[8 + kBios.size() + 1] = 3;
    Bytes pastTheEnd = good;
    pastTheEnd[8 + kBios.size() + 1] = 200;
    const std::string bios = "Insyde Corp.|R1.10|||";
    const struct {
        const char* table;
        Bytes bytes;
        std::string facts;
    } cases[] = {
        {"whole, a second system structure ignored", table({kBios, kSystem, structure(1, {1}, {"Acme"}), kEnd}),
         "Insyde Corp.|R1.10|LENOVO|20XW|PF2ABCDE"},
        {"string 0 and a string beyond the set", table({structure(1, {9, 1, 0, 0}, {"Box"})}), "|||Box|"},
        {"a formatted area too short for the version", table({structure(0, {1}, {"Insyde Corp."})}),
         "Insyde Corp.||||"},
        {"the end before the system structure", table({kEnd, kSystem}), "||||"},
        {"none", {}, "||||"},
        {"header cut short", cut(good, 6), "||||"},
        {"formatted length below the header", tooShortHeader, bios},
        {"formatted area past the end", pastTheEnd, bios},
        {"string unterminated", cut(good, good.size() - 4), bios},
        {"set without its closing NUL", cut(good, good.size() - 1), bios},
        {"declared length beyond the data", cut(table({kBios, kSystem}, 4096), good.size() - 3), bios},
        {"declared length inside a structure", table({kBios, kSystem}, static_cast<long>(kBios.size() + 6)), bios},
        {"empty string set of one NUL", cut(table({kEnd}), 8 + 5), "||||"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.facts, text(parse(c.bytes))) << c.table;
}

}  // namespace
}  // namespace vemo5
