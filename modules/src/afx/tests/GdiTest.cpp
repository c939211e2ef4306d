#include <gtest/gtest.h>

#include <cwchar>

#include "afx/Gdi.h"
#include "afx/Wnd.h"

namespace {

TEST(CFont, PointFontHasTheScreenHeightAndIsOwned) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, L"MS Shell Dlg"));
    LOGFONTW logFont{};
    ASSERT_GT(font.GetLogFont(&logFont), 0);
    afx::ScopedWindowDC screen(nullptr);
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(::GetDeviceCaps(screen.get(), LOGPIXELSY), 80, 720));
    EXPECT_STREQ(logFont.lfFaceName, L"MS Shell Dlg");

    const HFONT raw = font.GetSafeHandle();
    CFont moved(std::move(font));
    EXPECT_EQ(font.GetSafeHandle(), nullptr);
    EXPECT_EQ(static_cast<HFONT>(moved), raw);
    EXPECT_TRUE(moved.DeleteObject());
    EXPECT_EQ(::GetObjectType(raw), 0u);
    EXPECT_FALSE(moved.DeleteObject());
}

TEST(CFont, AttachTakesOwnership) {
    LOGFONTW logFont{};
    logFont.lfHeight = -20;
    const HFONT raw = ::CreateFontIndirectW(&logFont);
    {
        CFont font;
        ASSERT_TRUE(font.Attach(raw));
        EXPECT_FALSE(font.Attach(nullptr));
    }
    EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST(CDC, MeasuresTextWithTheSelectedFontOfAWindow) {
    CWnd window;
    ASSERT_TRUE(window.Attach(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 40, 20, nullptr, nullptr,
                                                nullptr, nullptr)));
    CClientDC dc(&window);
    CFont small;
    CFont large;
    ASSERT_TRUE(small.CreatePointFont(80, L"MS Shell Dlg"));
    ASSERT_TRUE(large.CreatePointFont(240, L"MS Shell Dlg"));
    const HGDIOBJ previous = dc.SelectObject(&small);
    const CSize smallSize = dc.GetTextExtent(kvo::String("Keyboard"));
    dc.SelectObject(&large);
    const CSize largeSize = dc.GetTextExtent(L"Keyboard", 8);
    dc.SelectObject(previous);
    EXPECT_GT(smallSize.cx, 0);
    EXPECT_GT(largeSize.cx, 2 * smallSize.cx);
    EXPECT_GT(largeSize.cy, 2 * smallSize.cy);
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
