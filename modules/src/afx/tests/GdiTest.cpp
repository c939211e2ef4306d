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
