#include "KvoControls/PngControl.h"

#include "KvoControls/ImageFit.h"
#include "afx/Gdi.h"

using afx::gdip::GdipCreateBitmapFromFile;
using afx::gdip::GdipCreateBitmapFromScan0;
using afx::gdip::GdipCreateFromHDC;
using afx::gdip::GdipDrawImageRectI;
using afx::gdip::GdipGetImageGraphicsContext;
using afx::gdip::GdipGetImageHeight;
using afx::gdip::GdipGetImageWidth;
using afx::gdip::GdipSetInterpolationMode;

BEGIN_MESSAGE_MAP(PngControl, CStatic)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, &PngControl::OnPrintClient)
END_MESSAGE_MAP()

namespace {

// The picture of the file, copied into memory so that the file is closed again.
afx::ScopedGpImage loadPicture(const kvo::String& path, UINT& width, UINT& height) {
    Gdiplus::GpBitmap* fromFile = nullptr;
    if (GdipCreateBitmapFromFile(path.getUCS2Buffer(), &fromFile) != Gdiplus::Ok) return {};
    const afx::ScopedGpImage file(fromFile);
    if (GdipGetImageWidth(file.get(), &width) != Gdiplus::Ok || GdipGetImageHeight(file.get(), &height) != Gdiplus::Ok ||
        width == 0 || height == 0)
        return {};

    Gdiplus::GpBitmap* inMemory = nullptr;
    if (GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height), 0, PixelFormat32bppPARGB,
                                  nullptr, &inMemory) != Gdiplus::Ok)
        return {};
    afx::ScopedGpImage copy(inMemory);
    Gdiplus::GpGraphics* graphics = nullptr;
    if (GdipGetImageGraphicsContext(copy.get(), &graphics) != Gdiplus::Ok) return {};
    const afx::ScopedGpGraphics painter(graphics);
    if (GdipDrawImageRectI(painter.get(), file.get(), 0, 0, static_cast<INT>(width), static_cast<INT>(height)) !=
        Gdiplus::Ok)
        return {};
    return copy;
}

}  // namespace

bool PngControl::SetImage(const kvo::String& path, bool redraw) {
    m_image = loadPicture(path, m_width, m_height);
    if (redraw && m_hWnd) {
        Invalidate();
        UpdateWindow();
    }
    return HasImage();
}

void PngControl::OnPaint() {
    CPaintDC dc(this);
    draw(dc.GetSafeHdc());
}

LRESULT PngControl::OnPrintClient(WPARAM wParam, LPARAM) {
    draw(reinterpret_cast<HDC>(wParam));
    return 0;
}

void PngControl::draw(HDC dc) const {
    CRect client;
    GetClientRect(&client);
    // The background of static controls, as the dialog would paint it.
    auto background = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(m_hWnd), WM_CTLCOLORSTATIC,
                                                              reinterpret_cast<WPARAM>(dc),
                                                              reinterpret_cast<LPARAM>(m_hWnd)));
    ::FillRect(dc, &client, background ? background : ::GetSysColorBrush(COLOR_BTNFACE));
    if (!m_image) return;

    Gdiplus::GpGraphics* graphics = nullptr;
    if (GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok) return;
    const afx::ScopedGpGraphics painter(graphics);
    GdipSetInterpolationMode(painter.get(), Gdiplus::InterpolationModeHighQualityBicubic);
    const auto place = kvo::controls::fitImage(static_cast<int>(m_width), static_cast<int>(m_height),
                                               client.Width(), client.Height());
    GdipDrawImageRectI(painter.get(), m_image.get(), place.x, place.y, place.width, place.height);
}
