#include "kvo/Array.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

#include "kvo/Pair.h"

namespace {

// The module's two element types: a window handle, and a display name with a
// module handle. Natively a plain pointer stands in for both handle types.
using Handle = void*;
using Library = kvo::Pair<kvo::String, Handle>;

Handle handle(std::uintptr_t n) { return reinterpret_cast<Handle>(n); }

template <class Action>
std::string messageOf(Action action) {
    try {
        action();
    } catch (const kvo::Exception& e) {
        return e.getMessage().toUtf8();
    }
    return "nothing thrown";
}

TEST(Array, GrowsByDoublingFromEight) {
    kvo::Array<Handle> keys;
    EXPECT_EQ(keys.size(), 0u);
    EXPECT_EQ(keys.capacity(), 8u);
    for (std::uintptr_t i = 1; i <= 8; ++i) keys.append(handle(i));
    EXPECT_EQ(keys.capacity(), 8u);
    keys.append(handle(9));
    EXPECT_EQ(keys.capacity(), 16u);
    for (std::uintptr_t i = 10; i <= 17; ++i) keys.append(handle(i));
    EXPECT_EQ(keys.capacity(), 32u);
    ASSERT_EQ(keys.size(), 17u);
    for (std::uint32_t i = 0; i < keys.size(); ++i) EXPECT_EQ(keys[i], handle(i + 1));
}

TEST(Array, ReservesThePowerOfTwoMultipleOfEightThatHoldsTheRequest) {
    kvo::Array<Handle> keys;
    keys.reserve(5);
    EXPECT_EQ(keys.capacity(), 8u);
    keys.reserve(100);
    EXPECT_EQ(keys.capacity(), 128u);
    EXPECT_EQ(keys.size(), 0u);
}

TEST(Array, LimitsTheCapacitySoTheBlockSizeFitsIn32Bits) {
    EXPECT_EQ(kvo::Array<Handle>::kMaxCapacity, 536870910u);
    EXPECT_EQ((kvo::Array<kvo::Pair<std::uint64_t, Handle>>::kMaxCapacity), 268435455u);
    EXPECT_EQ(kvo::Array<Library>::kMaxCapacity, (0xFFFFFFFFull - 8) / sizeof(Library));

    kvo::Array<Library> libraries;
    libraries.append({"Std104Kbd.kbl", handle(1)});
    const std::uint32_t tooMany = kvo::Array<Library>::kMaxCapacity + 1;
    EXPECT_EQ(messageOf([&] { libraries.reserve(tooMany); }),
              "Null pointer: Asked for array of size: " + std::to_string(tooMany));
    EXPECT_THROW(libraries.reserve(0xFFFFFFFFu), kvo::NullPointer);
    // Below the limit itself, but the doubled capacity would pass it: the
    // request is what gets reported.
    kvo::Array<Handle> keys;
    EXPECT_EQ(messageOf([&] { keys.reserve(300000000u); }), "Null pointer: Asked for array of size: 300000000");
    // A refused growth keeps the old contents.
    ASSERT_EQ(libraries.size(), 1u);
    EXPECT_EQ(libraries[0].first, kvo::String("Std104Kbd.kbl"));
}

TEST(Array, AccessOutsideTheElementsInUseThrowsWithTheRange) {
    kvo::Array<Handle> keys;
    EXPECT_THROW(keys[0], kvo::IndexOutOfBounds);
    EXPECT_EQ(messageOf([&] { keys[0]; }), "Index 0 out of bounds [0, -1]");
    keys.append(handle(1));
    keys.append(handle(2));
    EXPECT_EQ(messageOf([&] { keys[2]; }), "Index 2 out of bounds [0, 1]");
    EXPECT_EQ(messageOf([&] { keys[0xFFFFFFFFu]; }), "Index 4294967295 out of bounds [0, 1]");
}

TEST(Array, RemoveKeepsTheOrderAndIgnoresAbsentElements) {
    kvo::Array<Handle> keys;
    for (std::uintptr_t i = 1; i <= 3; ++i) keys.append(handle(i));
    keys.remove(handle(7));
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys.indexOf(handle(2)), 1);
    keys.remove(handle(2));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], handle(1));
    EXPECT_EQ(keys[1], handle(3));
    EXPECT_EQ(keys.indexOf(handle(2)), -1);
    keys.remove(handle(3));
    keys.remove(handle(1));
    EXPECT_EQ(keys.size(), 0u);
}

TEST(Array, RemoveTakesOnlyTheFirstOfEqualElements) {
    kvo::Array<Handle> keys;
    for (std::uintptr_t i : {4, 5, 4}) keys.append(handle(i));
    keys.remove(handle(4));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], handle(5));
    EXPECT_EQ(keys[1], handle(4));
}

TEST(Array, ResetReturnsToAnEmptyBlockOfEight) {
    kvo::Array<Handle> keys;
    keys.reserve(100);
    for (std::uintptr_t i = 1; i <= 40; ++i) keys.append(handle(i));
    keys.reset();
    EXPECT_EQ(keys.size(), 0u);
    EXPECT_EQ(keys.capacity(), 8u);
    keys.append(handle(1));
    EXPECT_EQ(keys[0], handle(1));
}

TEST(Array, PairsSurviveGrowthAndRemovalWithTheirStrings) {
    kvo::Array<Library> libraries;
    for (std::uintptr_t i = 0; i < 20; ++i)
        libraries.append({kvo::String("Layout number ") + std::to_string(i).c_str(), handle(i)});
    EXPECT_EQ(libraries.capacity(), 32u);
    EXPECT_EQ(libraries[19].first, kvo::String("Layout number 19"));
    EXPECT_EQ(libraries[19].second, handle(19));
    libraries.reset();
    EXPECT_EQ(libraries.size(), 0u);
}

TEST(Array, RefusesSerializationUnderItsClassName) {
    kvo::Array<Handle> keys;
    kvo::Array<Library> libraries;
    EXPECT_STREQ(keys.getClassName(), "ArrayOfOthers");
    EXPECT_STREQ(libraries.getClassName(), "ArrayOfOthers");
    std::ostringstream out;
    std::istringstream in;
    EXPECT_THROW(keys.serialize(out), kvo::SerializationFailed);
    EXPECT_THROW(libraries.deserialize(in), kvo::SerializationFailed);
    EXPECT_EQ(messageOf([&] { keys.failSerialization("g_discoveredKeys"); }),
              "Serialization failed: Serialization is not supported for: g_discoveredKeys");
}

}  // namespace
