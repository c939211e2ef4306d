#include "afx/Gdi.h"

#include <cstdlib>
#include <cwchar>

#include "afx/Wnd.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont) {
    m_font.reset(::CreateFontIndirectW(lpLogFont));
    return m_font ? TRUE : FALSE;
}

BOOL CFont::CreatePointFont(int nPointSize, const wchar_t* lpszFaceName, CDC* pDC) {
    LOGFONTW logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    // Tenths of a point to logical units of the DC: pixels per inch / 720.
    afx::ScopedWindowDC screen(nullptr);
    const HDC dc = pDC ? pDC->m_hDC : screen.get();
    POINT size{0, ::MulDiv(::GetDeviceCaps(dc, LOGPIXELSY), nPointSize, 720)};
    POINT origin{0, 0};
    ::DPtoLP(dc, &size, 1);
    ::DPtoLP(dc, &origin, 1);
    logFont.lfHeight = -std::abs(size.y - origin.y);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::Attach(HFONT hFont) {
    if (!hFont) return FALSE;
    m_font.reset(hFont);
    return TRUE;
}

BOOL CFont::DeleteObject() {
    if (!m_font) return FALSE;
    m_font.reset();
    return TRUE;
}

int CFont::GetLogFont(LOGFONTW* pLogFont) const {
    return m_font ? ::GetObjectW(m_font.get(), sizeof(LOGFONTW), pLogFont) : 0;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }

CSize CDC::GetTextExtent(const wchar_t* lpszString, int nCount) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::GetTextExtent(const kvo::String& text) const {
    return GetTextExtent(text.getUCS2Buffer(), static_cast<int>(text.size()));
}

BOOL CDC::LPtoDP(LPSIZE lpSize) const {
    // A size has no direction: scale by the extents' magnitudes, as MFC does.
    SIZE window{1, 1};
    SIZE viewport{1, 1};
    if (!::GetWindowExtEx(m_hDC, &window) || !::GetViewportExtEx(m_hDC, &viewport)) return FALSE;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(viewport.cx), std::abs(window.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(viewport.cy), std::abs(window.cy));
    return TRUE;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF color) {
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

int CDC::DrawText(const kvo::String& text, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextW(m_hDC, text.getUCS2Buffer(), static_cast<int>(text.size()), lpRect, nFormat);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

CClientDC::CClientDC(CWnd* pWnd) : m_dc(pWnd->m_hWnd) { m_hDC = m_dc.get(); }
