#include "KeyPressControl.h"

#include "afx/Gdi.h"
#include "kvo/Logging.h"
#include "vemo5/DiagModule.h"

using afx::gdip::GdipCreateFont;
using afx::gdip::GdipCreateFontFamilyFromName;
using afx::gdip::GdipCreateFromHDC;
using afx::gdip::GdipCreateSolidFill;
using afx::gdip::GdipCreateStringFormat;
using afx::gdip::GdipDrawString;
using afx::gdip::GdipGraphicsClear;
using afx::gdip::GdipIsStyleAvailable;
using afx::gdip::GdipSetStringFormatAlign;
using afx::gdip::GdipSetStringFormatLineAlign;
using kvorkeyboard::KeyPressFamily;

BEGIN_MESSAGE_MAP(KeyPressControl, KVOStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

kvo::LoggerRef g_log("kvorkeyboard.KeyPressControl");

Gdiplus::ARGB opaque(COLORREF colour) {
    return Gdiplus::Color::MakeARGB(255, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace

KeyPressControl::Family KeyPressControl::createFamily(KeyPressFamily which) {
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::Status status = GdipCreateFontFamilyFromName(keyPressFamilyName(which), nullptr, &family);
    return Family{afx::ScopedGpFontFamily(family), status};
}

KeyPressControl::KeyPressControl()
    : m_families{createFamily(KeyPressFamily::Western), createFamily(KeyPressFamily::Korean),
                 createFamily(KeyPressFamily::Japanese)} {}

void KeyPressControl::setText(const kvo::String& text, bool redraw) {
    m_text = text;
    if (redraw) {
        InvalidateRect(nullptr, TRUE);
        UpdateWindow();
    }
}

void KeyPressControl::setFontSize(float size) {
    if (size >= 1.0f) m_fontSize = size;
}

void KeyPressControl::OnPaint() {
    CPaintDC dc(this);
    Gdiplus::GpGraphics* graphics = nullptr;
    GdipCreateFromHDC(dc.GetSafeHdc(), &graphics);
    const afx::ScopedGpGraphics ownedGraphics(graphics);

    Gdiplus::GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(opaque(m_textColor), &brush);
    const afx::ScopedGpBrush ownedBrush(brush);

    Gdiplus::GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0, LANG_NEUTRAL, &format);
    const afx::ScopedGpStringFormat ownedFormat(format);
    GdipSetStringFormatAlign(format, Gdiplus::StringAlignmentCenter);
    GdipSetStringFormatLineAlign(format, Gdiplus::StringAlignmentCenter);

    Family& family = m_families[static_cast<int>(kvorkeyboard::keyPressFamily(vemo5::DiagModule::getLanguage()))];
    BOOL boldAvailable = FALSE;
    const Gdiplus::Status styleStatus = GdipIsStyleAvailable(family.handle.get(), Gdiplus::FontStyleBold, &boldAvailable);
    if (styleStatus != Gdiplus::Ok) family.status = styleStatus;
    if (styleStatus != Gdiplus::Ok || !boldAvailable) KVO_LOG(g_log, 3, "FontStyleBold not available!");

    Gdiplus::GpFont* font = nullptr;
    GdipCreateFont(family.handle.get(), m_fontSize, Gdiplus::FontStyleBold, Gdiplus::UnitPixel, &font);
    const afx::ScopedGpFont ownedFont(font);

    CRect window;
    GetWindowRect(&window);
    const Gdiplus::RectF layout(0.0f, 0.0f, static_cast<float>(window.Width()), static_cast<float>(window.Height()));
    GdipGraphicsClear(graphics, opaque(m_backgroundColor));
    GdipDrawString(graphics, m_text.getUCS2Buffer(), static_cast<INT>(m_text.size()), font, &layout, format, brush);
}
