#pragma once
// Little-endian bytes, as every Windows file structure is laid out.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kblmake {

class ByteWriter {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void u64(std::uint64_t value) {
        u32(static_cast<std::uint32_t>(value));
        u32(static_cast<std::uint32_t>(value >> 32));
    }
    void text(std::u16string_view units) {
        for (char16_t unit : units) u16(unit);
    }
    void bytes(const std::vector<std::uint8_t>& more) { m_bytes.insert(m_bytes.end(), more.begin(), more.end()); }
    void zeros(std::size_t count) { m_bytes.resize(m_bytes.size() + count, 0); }
    void alignTo(std::size_t boundary) {
        while (m_bytes.size() % boundary != 0) u8(0);
    }
    // Overwrites a field written earlier, once its value is known.
    void patch32(std::size_t offset, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i) m_bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }

    std::size_t size() const { return m_bytes.size(); }
    std::vector<std::uint8_t>& data() { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

}  // namespace kblmake
