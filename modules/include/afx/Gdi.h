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

struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
};

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}  // NOLINT: a RECT is a CRect

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    bool IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    bool operator==(const CRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    operator LPRECT() { return this; }               // NOLINT: passed to Win32 like a RECT*
    operator LPCRECT() const { return this; }        // NOLINT
};

class CDC;

// A font this object owns; deleted with the object or by DeleteObject.
class CFont {
public:
    CFont() = default;
    CFont(CFont&&) noexcept = default;
    CFont& operator=(CFont&&) noexcept = default;

    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    // nPointSize in tenths of a point, for the screen unless a DC is given.
    BOOL CreatePointFont(int nPointSize, const wchar_t* lpszFaceName, CDC* pDC = nullptr);
    // Takes ownership of a font created elsewhere.
    BOOL Attach(HFONT hFont);
    HFONT Detach() { return m_font.release(); }
    BOOL DeleteObject();
    int GetLogFont(LOGFONTW* pLogFont) const;

    HFONT GetSafeHandle() const { return m_font.get(); }
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

    // The selected object before; select it back when done (or use afx::ScopedSelectObject).
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    HGDIOBJ SelectObject(CFont* pFont) { return SelectObject(static_cast<HGDIOBJ>(pFont->GetSafeHandle())); }

    // Size of the text in logical units with the selected font.
    CSize GetTextExtent(const wchar_t* lpszString, int nCount) const;
    CSize GetTextExtent(const kvo::String& text) const;
    BOOL LPtoDP(LPSIZE lpSize) const;
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    void FillSolidRect(LPCRECT lpRect, COLORREF color);
    int DrawText(const kvo::String& text, LPRECT lpRect, UINT nFormat);
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
