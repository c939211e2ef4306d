#pragma once
// The large label that shows the name of the key just pressed: one line of
// bold text, centred both ways, in a chosen colour and pixel size on a solid
// background, drawn with GDI+ in the family that suits the host's language.
// GDI+ must be running before the control is constructed and while it paints.
#include "KvoControls/KVOControls.h"
#include "afx/ScopedGdiplus.h"
#include "keypress/KeyPressFamily.h"
#include "kvo/String.h"

class KeyPressControl : public KVOStatic {
public:
    KeyPressControl();
    ~KeyPressControl() override = default;

    // With `redraw`, repaints the whole control at once; otherwise the text
    // shows at the next paint.
    void setText(const kvo::String& text, bool redraw);
    // Em size in pixels; sizes below 1 are ignored.
    void setFontSize(float size);
    void setBackgroundColor(COLORREF colour) { m_backgroundColor = colour; }
    void setTextColor(COLORREF colour) { m_textColor = colour; }

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // A family that could not be created (not installed) is null; its status
    // says why, and a failed style query is kept there too.
    struct Family {
        afx::ScopedGpFontFamily handle;
        Gdiplus::Status status = Gdiplus::GenericError;
    };
    static Family createFamily(kvorkeyboard::KeyPressFamily which);

    kvo::String m_text = kvo::String::EMPTY();
    float m_fontSize = 8.0f;
    COLORREF m_backgroundColor = RGB(0, 0, 0);
    COLORREF m_textColor = RGB(0, 0, 255);
    // Indexed by KeyPressFamily; created in that order, deleted in reverse.
    Family m_families[kvorkeyboard::kKeyPressFamilyCount];
};
