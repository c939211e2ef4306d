#pragma once
// Geometry, fonts and device contexts.
#include <windows.h>

#include "afx/ScopedWin.h"
#include "kvo/String.h"

class CWnd;

struct CSize : SIZE {
    CSize() : SIZE{0, 0} {}
    CSize(int width, int height) : SIZE{width, height} {}
    bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}  // NOLINT: a RECT is a CRect

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }               // NOLINT: passed to Win32 like a RECT*
    operator LPCRECT() const { return this; }        // NOLINT
};

// A font this object owns; deleted with the object.
class CFont {
public:
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);

    operator HFONT() const { return m_font.get(); }  // NOLINT

private:
    afx::ScopedFont m_font;
};

// A device context this object does not own (see CPaintDC and CClientDC).
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }  // NOLINT

    // Size of the text in logical units with the selected font (select it
    // with afx::ScopedSelectObject).
    CSize GetTextExtent(const kvo::String& text) const;
    BOOL LPtoDP(LPSIZE lpSize) const;
};

// BeginPaint/EndPaint for a WM_PAINT handler.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// The client-area DC of a window (GetDC/ReleaseDC).
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);

private:
    afx::ScopedWindowDC m_dc;
};
