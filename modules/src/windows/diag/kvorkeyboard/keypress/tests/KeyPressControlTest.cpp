// The control painted on a real window and read back from the screen.
#include "keypress/KeyPressControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "KeyPressTestDialog.h"
#include "afx/Dialog.h"
#include "afx/Gdi.h"
#include "afx/ScopedWin.h"
#include "kvo/Logging.h"

namespace {

const COLORREF kBackground = RGB(10, 200, 30);
const COLORREF kText = RGB(200, 20, 40);

struct Ink {
    int pixels = 0;
    int top = 0;
    int bottom = -1;
    int left = 0;
    int right = -1;
    int height() const { return bottom - top + 1; }
};

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

    // Pixels of exactly the given colour; anti-aliased edges do not count.
    Ink inkOf(COLORREF colour, int* others = nullptr) {
        CRect client;
        control->GetClientRect(&client);
        const afx::ScopedWindowDC screen(control->m_hWnd);
        const afx::ScopedCreatedDC memory(CreateCompatibleDC(screen.get()));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = client.Width();
        info.bmiHeader.biHeight = -client.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const afx::ScopedBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const afx::ScopedSelectObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, client.Width(), client.Height(), screen.get(), 0, 0, SRCCOPY);
        Ink ink;
        ink.top = client.Height();
        ink.left = client.Width();
        int different = 0;
        const auto* pixel = static_cast<const DWORD*>(bits);
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x) {
                const DWORD p = pixel[y * client.Width() + x];
                const COLORREF seen = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                if (seen != colour) {
                    ++different;
                    continue;
                }
                ++ink.pixels;
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
        if (others) *others = different;
        return ink;
    }

    afx::GdiplusSession gdiplus;
    CDialog host;
    std::unique_ptr<KeyPressControl> control;
};

}  // namespace

TEST_F(KeyPressControlTest, EmptyTextPaintsTheBackgroundOnly) {
    repaint();
    int others = -1;
    EXPECT_GT(inkOf(kBackground, &others).pixels, 0);
    EXPECT_EQ(others, 0);
}

TEST_F(KeyPressControlTest, TextIsCentredInItsColourWithoutAStyleWarning) {
    kvo::ScopedLogCapture capture{1};
    control->setText(L"W", true);
    const Ink ink = inkOf(kText);
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

TEST_F(KeyPressControlTest, TextWithoutRedrawShowsAtTheNextPaint) {
    repaint();
    control->setText(L"W", false);
    EXPECT_EQ(inkOf(kText).pixels, 0);
    repaint();
    EXPECT_GT(inkOf(kText).pixels, 0);
}

TEST_F(KeyPressControlTest, ColoursTakeEffectAtTheNextPaint) {
    control->setText(L"W", true);
    control->setTextColor(RGB(0, 0, 255));
    control->setBackgroundColor(RGB(255, 255, 255));
    EXPECT_GT(inkOf(kText).pixels, 0) << "not repainted yet";
    repaint();
    EXPECT_EQ(inkOf(kText).pixels, 0);
    EXPECT_GT(inkOf(RGB(0, 0, 255)).pixels, 0);
    EXPECT_GT(inkOf(RGB(255, 255, 255)).pixels, 0);
}
