// The control painted on a real window and read back from the screen, and
// the family it draws in for each language.
#include "keypress/KeyPressControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "KeyPressTestDialog.h"
#include "afx/Dialog.h"
#include "keypress/testing/ScreenInk.h"

using kvorkeyboard::testing::capture;

// A 40-pixel bold W in its colour, centred, so neither
// its top nor its bottom fifth has any of it; a size below one pixel is
// ignored, and a text set without a redraw waits for the next paint.
TEST(KeyPressControlTest, DrawsItsTextCentredInItsColourAndSize) {
    afx::GdiplusSession gdiplus;
    CDialog host;
    ASSERT_TRUE(host.Create(IDD_KEYPRESS_HOST));
    KeyPressControl control;
    ASSERT_TRUE(control.SubclassDlgItem(IDC_KEYPRESS, &host));
    control.setBackgroundColor(RGB(10, 200, 30));
    control.setTextColor(RGB(200, 20, 40));
    control.setFontSize(40.0f);
    control.setText(L"W", true);
    const auto shot = capture(control.m_hWnd);
    const auto inkInRow = [&shot](int row, DWORD colour) {
        const auto first = shot.pixels.begin() + row * shot.width;
        return std::count(first, first + shot.width, colour) > 0;
    };
    EXPECT_TRUE(inkInRow(shot.height / 2 - 8, 0xC81428) && inkInRow(shot.height / 2 + 8, 0xC81428));
    EXPECT_FALSE(inkInRow(shot.height / 5, 0xC81428) || inkInRow(shot.height * 4 / 5, 0xC81428));
    control.setFontSize(0.5f);
    control.setText(L"", false);
    EXPECT_TRUE(capture(control.m_hWnd).pixels == shot.pixels);
    control.setText(L"W", true);
    EXPECT_TRUE(capture(control.m_hWnd).pixels == shot.pixels);
    host.DestroyWindow();
}

TEST(KeyPressFamilyTest, OnlyKoreanAndJapaneseLeaveTheDialogFamily) {
    const std::pair<const char*, const wchar_t*> cases[] = {{"ko", L"Gulim"}, {"ja", L"MS UI Gothic"},
        {"zh_cn", L"MS Shell Dlg"}, {"zh_tw", L"MS Shell Dlg"}, {"en", L"MS Shell Dlg"}};
    for (const auto& [language, family] : cases)
        EXPECT_EQ(std::wstring(kvorkeyboard::keyPressFamilyName(kvorkeyboard::keyPressFamily(vemo5::Language(language)))),
                  family) << language;
}
