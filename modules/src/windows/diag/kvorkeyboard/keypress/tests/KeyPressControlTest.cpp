// The control painted on a real window and read back from the screen.
#include "keypress/KeyPressControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "KeyPressTestDialog.h"
#include "afx/Dialog.h"
#include "afx/Gdi.h"
#include "keypress/testing/ScreenInk.h"
#include "kvo/Logging.h"

namespace {

const COLORREF kBackground = RGB(10, 200, 30);
const COLORREF kText = RGB(200, 20, 40);

class KeyPressControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.ok());
        ASSERT_TRUE(host.Create(IDD_KEYPRESS_HOST));
        control = std::make_unique<KeyPressControl>();
        ASSERT_TRUE(control->SubclassDlgItem(IDC_KEYPRESS, &host));
        control->setBackgroundColor(kBackground);
        control->setTextColor(kText);
        control->setFontSize(40.0f);
    }
    void TearDown() override { host.DestroyWindow(); }

    void repaint() {
        control->InvalidateRect(nullptr, TRUE);
        control->UpdateWindow();
    }

    kvorkeyboard::testing::Ink inkOf(COLORREF colour) { return kvorkeyboard::testing::inkOf(control->m_hWnd, colour); }

    afx::GdiplusSession gdiplus;
    CDialog host;
    std::unique_ptr<KeyPressControl> control;
};

}  // namespace

TEST_F(KeyPressControlTest, EmptyTextPaintsTheBackgroundOnly) {
    repaint();
    const auto background = inkOf(kBackground);
    EXPECT_GT(background.pixels, 0);
    EXPECT_EQ(background.others, 0);
}

TEST_F(KeyPressControlTest, TextIsCentredInItsColourWithoutAStyleWarning) {
    kvo::ScopedLogCapture capture{1};
    control->setText(L"W", true);
    const auto ink = inkOf(kText);
    ASSERT_GT(ink.pixels, 0);
    CRect client;
    control->GetClientRect(&client);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, client.Width() / 2.0, 3.0);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, client.Height() / 2.0, 6.0);
    EXPECT_GE(ink.height(), 20) << "a 40-pixel bold W";
    for (const auto& entry : capture.sink().entries())
        EXPECT_EQ(entry.message.find("FontStyleBold"), std::string::npos) << entry.message;
}

TEST_F(KeyPressControlTest, SizesBelowOneAreIgnored) {
    control->setText(L"W", true);
    const int large = inkOf(kText).height();
    control->setFontSize(0.5f);
    repaint();
    EXPECT_EQ(inkOf(kText).height(), large);
    control->setFontSize(16.0f);
    repaint();
    EXPECT_LT(inkOf(kText).height(), large);
}

TEST_F(KeyPressControlTest, TextWithoutRedrawAndColoursTakeEffectAtTheNextPaint) {
    repaint();
    control->setText(L"W", false);
    EXPECT_EQ(inkOf(kText).pixels, 0);
    repaint();
    EXPECT_GT(inkOf(kText).pixels, 0);

    control->setTextColor(RGB(0, 0, 255));
    control->setBackgroundColor(RGB(255, 255, 255));
    EXPECT_GT(inkOf(kText).pixels, 0) << "not repainted yet";
    repaint();
    EXPECT_EQ(inkOf(kText).pixels, 0);
    EXPECT_GT(inkOf(RGB(0, 0, 255)).pixels, 0);
    EXPECT_GT(inkOf(RGB(255, 255, 255)).pixels, 0);
}
