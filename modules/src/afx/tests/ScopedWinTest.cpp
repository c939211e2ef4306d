#include <gtest/gtest.h>

#include "afx/Gdi.h"
#include "afx/ScopedWin.h"


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
