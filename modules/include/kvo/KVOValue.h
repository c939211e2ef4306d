#pragma once
// An unsigned number formatted for display: key codes in hex, times in decimal.
#include <cstdint>

#include "kvo/String.h"

namespace kvo {

class KVOValue {
public:
    explicit KVOValue(std::uint16_t value) : m_value(value) {}
    explicit KVOValue(std::uint32_t value) : m_value(value) {}

    // Digits in `radix` (2 to 36), lower-case letters, no prefix.
    // Throws kvo::AssertionFailure for a radix outside that range.
    String toString(int radix = 10) const;
    // "0x" followed by upper-case hex digits, e.g. "0x1B".
    String toHexString() const;

private:
    std::uint32_t m_value;
};

}  // namespace kvo
