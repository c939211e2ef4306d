#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>
#include <vector>

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

class ScopedWin : public ::testing::Test {
protected:
    void SetUp() override { g_closed.clear(); }
};

static_assert(!std::is_copy_constructible_v<Counted> && !std::is_copy_assignable_v<Counted>);
static_assert(std::is_nothrow_move_constructible_v<Counted> && std::is_nothrow_move_assignable_v<Counted>);
static_assert(!std::is_copy_constructible_v<afx::ScopedWindowDC> && !std::is_copy_constructible_v<afx::ScopedSelectObject>);
static_assert(!std::is_copy_constructible_v<afx::ScopedRegKey> && !std::is_copy_constructible_v<afx::ScopedFont>);

TEST_F(ScopedWin, ReleasesOnceOnEveryPath) {
    { Counted a(1); }
    EXPECT_EQ(g_closed, std::vector<int>({1}));

    try {
        Counted b(2);
        throw std::runtime_error("leaving by exception");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(g_closed, std::vector<int>({1, 2}));

    {
        Counted c(3);
        Counted d(std::move(c));  // only the new owner releases
        EXPECT_FALSE(c);
        EXPECT_EQ(d.get(), 3);
    }
    EXPECT_EQ(g_closed, std::vector<int>({1, 2, 3}));
}

TEST_F(ScopedWin, AssignmentResetAndPutReleaseWhatWasHeld) {
    Counted a(1);
    Counted b(2);
    a = std::move(b);  // 1 goes, 2 moves
    EXPECT_EQ(g_closed, std::vector<int>({1}));
    a = std::move(a);  // self-move keeps the handle
    EXPECT_EQ(a.get(), 2);
    a.reset(3);
    EXPECT_EQ(g_closed, std::vector<int>({1, 2}));
    *a.put() = 4;  // an out-parameter API filling the owner
    EXPECT_EQ(g_closed, std::vector<int>({1, 2, 3}));
    const int given = a.release();
    EXPECT_EQ(given, 4);
    EXPECT_FALSE(a);
    a.reset();
    EXPECT_EQ(g_closed, std::vector<int>({1, 2, 3}));  // released nothing: it had given 4 up
}

LRESULT CALLBACK passOn(int code, WPARAM wParam, LPARAM lParam) { return ::CallNextHookEx(nullptr, code, wParam, lParam); }

TEST_F(ScopedWin, EachKindReleasesItsResource) {
    HANDLE event;
    HHOOK hook;
    HWND window;
    {
        afx::ScopedHandle scopedEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        afx::ScopedHook scopedHook(::SetWindowsHookExW(WH_CBT, &passOn, nullptr, ::GetCurrentThreadId()));
        afx::ScopedWindow scopedWindow(
            ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(scopedEvent && scopedHook && scopedWindow);
        afx::ScopedWindowDC dc(scopedWindow.get());  // given back before its window goes
        EXPECT_TRUE(dc);
        afx::ScopedRegKey key;
        EXPECT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()), ERROR_SUCCESS);
        event = scopedEvent.get();
        hook = scopedHook.get();
        window = scopedWindow.get();
    }
    DWORD flags = 0;
    EXPECT_FALSE(::GetHandleInformation(event, &flags));
    EXPECT_FALSE(::UnhookWindowsHookEx(hook));
    EXPECT_FALSE(::IsWindow(window));
}

TEST_F(ScopedWin, FailureValuesAreNotReleased) {
    afx::ScopedFileHandle file(::CreateFileW(L"Z:\\no\\such\\file.kvo", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    afx::ScopedFindHandle find(::FindFirstFileW(L"Z:\\no\\such\\*.kvo", nullptr));
    afx::ScopedSelectObject none(nullptr, ::GetStockObject(BLACK_PEN));
    EXPECT_FALSE(file || find || none);
}

TEST_F(ScopedWin, GdiObjectIsDeletedAfterItsSelectionIsUndone) {
    afx::ScopedCreatedDC dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_FONT);
    HFONT raw;
    {
        LOGFONTW logFont{};
        logFont.lfHeight = -12;
        afx::ScopedFont font(::CreateFontIndirectW(&logFont));
        raw = font.get();
        afx::ScopedSelectObject selected(dc.get(), font.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), raw);
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), original);
    EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST_F(ScopedWin, LibraryIsFreed) {
    if (::GetModuleHandleW(L"msimg32.dll")) GTEST_SKIP() << "already loaded by someone else";
    {
        afx::ScopedLibrary library(::LoadLibraryW(L"msimg32.dll"));
        ASSERT_TRUE(library);
    }
    EXPECT_EQ(::GetModuleHandleW(L"msimg32.dll"), nullptr);
}

}  // namespace
