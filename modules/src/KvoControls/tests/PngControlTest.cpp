#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ControlsTestDialogs.h"
#include "KvoControls/PngControl.h"
#include "afx/Dialog.h"
#include "afx/Gdi.h"

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 40;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A 20 x 10 PNG: left half red, right half blue.
std::wstring writeTestPng() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"kvo-png-" + std::to_wstring(::GetCurrentProcessId()) + L".png";
    Gdiplus::GpBitmap* bitmap = nullptr;
    afx::gdip::GdipCreateBitmapFromScan0(20, 10, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    const afx::ScopedGpImage image(bitmap);
    for (UINT y = 0; y < 10; ++y)
        for (UINT x = 0; x < 20; ++x)
            afx::gdip::GdipBitmapSetPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y),
                                          x < 10 ? 0xFFFF0000u : 0xFF0000FFu);
    // The PNG encoder's class id.
    const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    EXPECT_EQ(afx::gdip::GdipSaveImageToFile(image.get(), path.c_str(), &png, nullptr), Gdiplus::Ok);
    return path;
}

class CPictureDialog : public CDialog {
public:
    CPictureDialog() : CDialog(IDD_CONTROLS) {}
    PngControl m_picture;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PICTURE, m_picture); }
};

// What the control draws, read back from a memory bitmap.
class Rendering {
public:
    explicit Rendering(CWnd& control) : m_dc(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        m_bitmap.reset(::CreateDIBSection(m_dc.get(), &info, DIB_RGB_COLORS, nullptr, nullptr, 0));
        m_selected = afx::ScopedSelectObject(m_dc.get(), m_bitmap.get());
        control.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc.get()), PRF_CLIENT);
        ::GdiFlush();
    }
    COLORREF at(int x, int y) const { return ::GetPixel(m_dc.get(), x, y); }

private:
    afx::ScopedCreatedDC m_dc;
    afx::ScopedBitmap m_bitmap;
    afx::ScopedSelectObject m_selected{nullptr, nullptr};
};

class PngControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.ok());
        png = writeTestPng();
        ASSERT_TRUE(dialog.Create(IDD_CONTROLS));
        dialog.m_picture.MoveWindow(0, 0, kWidth, kHeight);
    }
    void TearDown() override { ::DeleteFileW(png.c_str()); }

    afx::GdiplusSession gdiplus;
    std::wstring png;
    CPictureDialog dialog;
};

bool isNear(COLORREF actual, COLORREF expected) {
    return std::abs(GetRValue(actual) - GetRValue(expected)) < 40 && std::abs(GetGValue(actual) - GetGValue(expected)) < 40 &&
           std::abs(GetBValue(actual) - GetBValue(expected)) < 40;
}

// 20 x 10 in 120 x 40 is drawn 80 x 40 from x = 20; a missing file leaves
// only the background, also where an earlier picture was.
TEST_F(PngControlTest, DrawsThePictureScaledToFitAndCentredOrNothing) {
    const COLORREF background = ::GetSysColor(COLOR_BTNFACE);
    ASSERT_TRUE(dialog.m_picture.SetImage(png.c_str(), false));
    const Rendering drawn(dialog.m_picture);
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {{5, 20, background}, {30, 5, kRed}, {50, 35, kRed}, {70, 5, kBlue}, {90, 35, kBlue}, {115, 20, background}};
    for (const auto& p : pixels) EXPECT_TRUE(isNear(drawn.at(p.x, p.y), p.colour)) << p.x << "," << p.y;

    EXPECT_FALSE(dialog.m_picture.SetImage(png + L".missing", true));
    EXPECT_FALSE(dialog.m_picture.HasImage());
    const Rendering empty(dialog.m_picture);
    EXPECT_TRUE(isNear(empty.at(40, 20), background));
    EXPECT_TRUE(isNear(empty.at(80, 20), background));
}

TEST_F(PngControlTest, PaintsThroughWmPaintAndKeepsNoFileOpen) {
    ASSERT_TRUE(dialog.m_picture.SetImage(png.c_str(), true));
    EXPECT_TRUE(::DeleteFileW(png.c_str()));
    afx::ScopedWindowDC screen(dialog.m_picture.m_hWnd);
    EXPECT_TRUE(isNear(::GetPixel(screen.get(), 40, 20), kRed));
    EXPECT_TRUE(isNear(::GetPixel(screen.get(), 80, 20), kBlue));
}

TEST(PngControl, NotAPictureIsRefused) {
    afx::GdiplusSession gdiplus;
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    PngControl control;
    EXPECT_FALSE(control.SetImage(self, true));  // no window yet: nothing to redraw either
}

}  // namespace
