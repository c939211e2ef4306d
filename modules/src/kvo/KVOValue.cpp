#include "kvo/KVOValue.h"

#include <algorithm>
#include <string>

#include "kvo/Exception.h"

namespace kvo {

String KVOValue::toString(int radix) const {
    KVO_ASSERT(radix >= 2 && radix <= 36);
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string text;
    std::uint32_t rest = m_value;
    do {
        text.push_back(digits[rest % static_cast<std::uint32_t>(radix)]);
        rest /= static_cast<std::uint32_t>(radix);
    } while (rest != 0);
    std::reverse(text.begin(), text.end());
    return String(text);
}

String KVOValue::toHexString() const {
    std::string hex = toString(16).toUtf8();
    std::transform(hex.begin(), hex.end(), hex.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
    return String("0x" + hex);
}

}  // namespace kvo
