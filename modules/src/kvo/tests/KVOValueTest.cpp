#include "kvo/KVOValue.h"

#include <gtest/gtest.h>

#include "kvo/Exception.h"

TEST(KVOValue, FormatsInAnyRadixAndAsUpperCaseHex) {
    EXPECT_EQ(kvo::KVOValue(std::uint32_t{0}).toString(), kvo::String("0"));
    EXPECT_EQ(kvo::KVOValue(std::uint32_t{4294967295u}).toString(10), kvo::String("4294967295"));
    EXPECT_EQ(kvo::KVOValue(std::uint16_t{0x11D}).toString(16), kvo::String("11d"));
    EXPECT_EQ(kvo::KVOValue(std::uint16_t{0x1B}).toHexString(), kvo::String("0x1B"));
    EXPECT_EQ(kvo::KVOValue(std::uint32_t{5}).toString(2), kvo::String("101"));
}

TEST(KVOValue, RefusesRadixOutsideTwoToThirtySix) {
    EXPECT_THROW(kvo::KVOValue(std::uint32_t{1}).toString(1), kvo::AssertionFailure);
    EXPECT_THROW(kvo::KVOValue(std::uint32_t{1}).toString(37), kvo::AssertionFailure);
}
