// The one handle owner, with traits that carry the seam it closes through.
#include "kvo/UniqueHandle.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>
#include <vector>

// A seam that records every release, so that the test sees each path release
// exactly once, and through the seam that handed the handle out.
struct Seam {
    std::vector<int> closed;
    void close(int handle) { closed.push_back(handle); }
};
using Owned = kvo::SeamHandle<Seam, int, &Seam::close>;

static_assert(!std::is_copy_constructible_v<Owned> && !std::is_copy_assignable_v<Owned>);
static_assert(std::is_nothrow_move_constructible_v<Owned> && std::is_nothrow_move_assignable_v<Owned>);

TEST(UniqueHandle, ReleasesWhatItHoldsOnceOnEveryPathThroughItsOwnSeam) {
    Seam first, second;
    EXPECT_THROW([&] { Owned thrownPast(1, {&first}); throw std::runtime_error("leaving by exception"); }(),
                 std::runtime_error);
    Owned a(2, {&first});
    Owned b(std::move(a));  // only the new owner releases
    EXPECT_FALSE(a);
    b = Owned(3, {&second});  // 2 goes back to the first seam; 3 moves in with the second
    b = std::move(b);         // self-move keeps the handle
    b.reset(4);
    EXPECT_EQ(b.release(), 4);  // given up: never released
    const Owned none;
    EXPECT_EQ(first.closed, (std::vector<int>{1, 2}));
    EXPECT_EQ(second.closed, (std::vector<int>{3}));
}
