#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

#include "afx/Gdi.h"
#include "afx/ScopedWin.h"


// Records every release, so the tests can see each path release exactly once.
std::vector<int> g_closed;
struct CountingTraits {
    using Handle = int;
    static Handle invalid() noexcept { return 0; }
    static void close(Handle handle) noexcept { g_closed.push_back(handle); }
};
using Counted = afx::UniqueHandle<CountingTraits>;

static_assert(!std::is_copy_constructible_v<Counted> && !std::is_copy_assignable_v<Counted>);
static_assert(std::is_nothrow_move_constructible_v<Counted> && std::is_nothrow_move_assignable_v<Counted>);

TEST(ScopedWin, AnOwnerReleasesWhatItHoldsOnceOnEveryPath) {
    try {
        Counted thrownPast(1);
        throw std::runtime_error("leaving by exception");
    } catch (const std::runtime_error&) {
    }
    Counted a(2);
    Counted b(std::move(a));  // only the new owner releases
    EXPECT_FALSE(a);
    b = Counted(3);  // 2 goes, 3 moves in
    b = std::move(b);  // self-move keeps the handle
    b.reset(4);
    *b.put() = 5;  // an out-parameter API filling the owner
    EXPECT_EQ(b.release(), 5);
    b.reset();
    EXPECT_EQ(g_closed, std::vector<int>({1, 2, 3, 4}));  // not 5: it was given up
}

TEST(ScopedWin, AGdiObjectIsDeletedAfterItsSelectionIsUndone) {
    afx::ScopedCreatedDC dc(::CreateCompatibleDC(nullptr));
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_FONT);
    LOGFONTW logFont{};
    logFont.lfHeight = -12;
    HFONT raw;
    {
        afx::ScopedFont font(raw = ::CreateFontIndirectW(&logFont));
        afx::ScopedSelectObject selected(dc.get(), font.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), raw);
    }
    EXPECT_EQ(std::make_pair(::GetCurrentObject(dc.get(), OBJ_FONT), ::GetObjectType(raw)), std::make_pair(original, 0ul));
}

// Sizes measured in a mapped DC go through LPtoDP; a mapping with y growing
// upwards must not make them negative.
TEST(CDC, LogicalSizeToDeviceSizeKeepsItPositive) {
    afx::ScopedCreatedDC memory(::CreateCompatibleDC(nullptr));
    CDC dc(memory.get());
    CSize size(10, 10);
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, 2, 2, nullptr);
    ::SetViewportExtEx(dc, 1, -1, nullptr);
    ASSERT_TRUE(dc.LPtoDP(&size));
    EXPECT_EQ(size, CSize(5, 5));
}
