#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>
#include <vector>

#include "afx/Gdi.h"
#include "afx/ScopedWin.h"

namespace {

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
static_assert(!std::is_copy_constructible_v<afx::ScopedWindowDC> && !std::is_copy_constructible_v<afx::ScopedSelectObject>);

TEST(ScopedWin, AnOwnerReleasesWhatItHoldsOnceOnEveryPath) {
    g_closed.clear();
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

LRESULT CALLBACK passOn(int code, WPARAM wParam, LPARAM lParam) { return ::CallNextHookEx(nullptr, code, wParam, lParam); }

// A hook is uninstalled with its owner; the kinds whose failure value is
// INVALID_HANDLE_VALUE do not take it for a handle.
TEST(ScopedWin, AHookIsUninstalledAndAFailureValueIsNotReleased) {
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, &passOn, nullptr, ::GetCurrentThreadId());
    { afx::ScopedHook owner(hook); }
    EXPECT_FALSE(::UnhookWindowsHookEx(hook));
    afx::ScopedFileHandle file(::CreateFileW(L"Z:\\no\\such\\file.kvo", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    afx::ScopedFindHandle find(::FindFirstFileW(L"Z:\\no\\such\\*.kvo", nullptr));
    EXPECT_FALSE(file || find);
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

}  // namespace
