#include "kvo/Array.h"

#include <gtest/gtest.h>

#include <sstream>

#include "kvo/Pair.h"

// The module's two element types: a window handle, and a display name with a
// module handle. Natively a plain pointer stands in for both handle types.
using Handle = void*;
using Library = kvo::Pair<kvo::String, Handle>;

Handle handle(std::uintptr_t n) { return reinterpret_cast<Handle>(n); }

// The message of what `action` throws, to compare with the exception it should be.
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
    kvo::Array<Handle> keys;
    keys.reserve(100);
    EXPECT_EQ(keys.capacity(), 128u);
    keys.append(handle(1));
    keys.reset();
    EXPECT_EQ(std::make_pair(keys.size(), keys.capacity()), std::make_pair(0u, 8u));
}

// The block's size must fit in 32 bits; the request is reported, not the
// doubled capacity, and a refused growth keeps the contents.
TEST(Array, RefusesCapacitiesWhoseBlockPasses32BitsAndIndexesOutsideItsElements) {
    EXPECT_EQ(kvo::Array<Handle>::kMaxCapacity, 536870910u);
    kvo::Array<Library> libraries;
    libraries.append({"Std104Kbd.kbl", handle(1)});
    for (std::uint32_t tooMany : {kvo::Array<Library>::kMaxCapacity + 1, 300000000u})
        EXPECT_EQ(messageOf([&] { libraries.reserve(tooMany); }),
                  kvo::NullPointer("Asked for array of size: " + std::to_string(tooMany)).getMessage().toUtf8());
    EXPECT_EQ(libraries[0].first, kvo::String("Std104Kbd.kbl"));
    EXPECT_EQ(messageOf([&] { libraries[1]; }), kvo::IndexOutOfBounds(0, 0, 1).getMessage().toUtf8());
    EXPECT_EQ(messageOf([] { kvo::Array<Handle>()[0]; }), kvo::IndexOutOfBounds(0, -1, 0).getMessage().toUtf8());
}

TEST(Array, RemovesTheFirstEqualElementKeepingTheOrderAndRefusesSerialization) {
    kvo::Array<Handle> keys;
    for (std::uintptr_t value : {4, 5, 4, 6}) keys.append(handle(value));
    keys.remove(handle(7));  // absent: nothing changes
    keys.remove(handle(4));
    EXPECT_EQ(std::vector<Handle>({keys[0], keys[1], keys[2]}), std::vector<Handle>({handle(5), handle(4), handle(6)}));
    EXPECT_EQ(std::make_pair(keys.size(), keys.indexOf(handle(7))), std::make_pair(3u, -1));
    EXPECT_EQ(kvo::Array<Library>().getClassName().toUtf8(), "ArrayOfOthers");
    EXPECT_EQ(messageOf([&] { std::ostringstream out; keys.serialize(out); }),
              kvo::SerializationFailed("Serialization is not supported for: ArrayOfOthers").getMessage().toUtf8());
}
