#pragma once
// A static control that shows a PNG file, scaled to fit and centred with
// its aspect kept, on the background its parent gives static controls.
// GDI+ must be running (afx::GdiplusSession) while images are loaded and drawn.
#include "afx/Controls.h"
#include "afx/ScopedGdiplus.h"
#include "kvo/String.h"

class PngControl : public CStatic {
public:
    // Reads the picture (the file is not kept open) and, with `redraw`,
    // repaints at once. False, and an empty control, when the file is
    // missing or is no picture.
    bool SetImage(const kvo::String& path, bool redraw = true);
    bool HasImage() const { return static_cast<bool>(m_image); }

protected:
    void OnPaint();
    // Draws into the DC it is given (PrintWindow, AnimateWindow, tests).
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void draw(HDC dc) const;

    afx::ScopedGpImage m_image;
    UINT m_width = 0;
    UINT m_height = 0;
};
