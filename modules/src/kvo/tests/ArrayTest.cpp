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

void append(kvo::Array<Handle>& array, std::initializer_list<std::uintptr_t> values) {
    for (std::uintptr_t value : values) array.append(handle(value));
}

template <class Action>
std::string messageOf(Action action) {
    try {
        action();
    } catch (const kvo::Exception& e) {
        return e.getMessage().toUtf8();
    }
    return "nothing thrown";
}

TEST(Array, GrowsByDoublingFromEightAndResetGoesBackToEight) {
    kvo::Array<Library> libraries;
    std::vector<std::uint32_t> capacities{libraries.capacity()};
    for (std::uintptr_t i = 0; i < 17; ++i) {
        libraries.append({kvo::String("Layout ") + std::to_string(i).c_str(), handle(i)});
        if (libraries.capacity() != capacities.back()) capacities.push_back(libraries.capacity());
    }
    EXPECT_EQ(capacities, (std::vector<std::uint32_t>{8, 16, 32}));
    EXPECT_EQ(libraries[16].first, kvo::String("Layout 16"));  // strings survive the moves
    EXPECT_EQ(libraries[0].second, handle(0));

    kvo::Array<Handle> keys;
    keys.reserve(100);
    EXPECT_EQ(keys.capacity(), 128u);
    keys.reset();
    EXPECT_EQ(keys.capacity(), 8u);
}

// The block size must fit in 32 bits; the request is reported, not the
// doubled capacity, and a refused growth keeps the contents.
TEST(Array, RefusesCapacitiesWhoseBlockPasses32Bits) {
    EXPECT_EQ(kvo::Array<Handle>::kMaxCapacity, 536870910u);
    EXPECT_EQ(kvo::Array<Library>::kMaxCapacity, (0xFFFFFFFFull - 8) / sizeof(Library));

    kvo::Array<Library> libraries;
    libraries.append({"Std104Kbd.kbl", handle(1)});
    const std::uint32_t tooMany = kvo::Array<Library>::kMaxCapacity + 1;
    EXPECT_EQ(messageOf([&] { libraries.reserve(tooMany); }),
              "Null pointer: Asked for array of size: " + std::to_string(tooMany));
    kvo::Array<Handle> keys;
    EXPECT_EQ(messageOf([&] { keys.reserve(300000000u); }), "Null pointer: Asked for array of size: 300000000");
    ASSERT_EQ(libraries.size(), 1u);
    EXPECT_EQ(libraries[0].first, kvo::String("Std104Kbd.kbl"));
}

TEST(Array, AccessOutsideTheElementsInUseNamesTheRange) {
    kvo::Array<Handle> keys;
    EXPECT_THROW(keys[0], kvo::IndexOutOfBounds);
    EXPECT_EQ(messageOf([&] { keys[0]; }), "Index 0 out of bounds [0, -1]");
    append(keys, {1, 2});
    EXPECT_EQ(messageOf([&] { keys[2]; }), "Index 2 out of bounds [0, 1]");
}

TEST(Array, RemoveTakesTheFirstEqualElementAndKeepsTheOrder) {
    kvo::Array<Handle> keys;
    append(keys, {4, 5, 4, 6});
    keys.remove(handle(7));  // absent: nothing changes
    keys.remove(handle(4));
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0], handle(5));
    EXPECT_EQ(keys[1], handle(4));
    EXPECT_EQ(keys[2], handle(6));
    EXPECT_EQ(keys.indexOf(handle(6)), 2);
    EXPECT_EQ(keys.indexOf(handle(7)), -1);
}

TEST(Array, RefusesSerializationUnderItsClassName) {
    kvo::Array<Handle> keys;
    std::ostringstream out;
    std::istringstream in;
    EXPECT_EQ(keys.getClassName().toUtf8(), "ArrayOfOthers");
    EXPECT_EQ(kvo::Array<Library>().getClassName().toUtf8(), "ArrayOfOthers");
    EXPECT_THROW(keys.serialize(out), kvo::SerializationFailed);
    EXPECT_THROW(kvo::Array<Library>().deserialize(in), kvo::SerializationFailed);
    EXPECT_EQ(messageOf([&] { keys.failSerialization("g_discoveredKeys"); }),
              "Serialization failed: Serialization is not supported for: g_discoveredKeys");
}

}  // namespace
