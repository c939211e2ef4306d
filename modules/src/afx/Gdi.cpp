#include "afx/Gdi.h"

#include <cstdlib>

#include "afx/Wnd.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont) {
    m_font.reset(::CreateFontIndirectW(lpLogFont));
    return m_font ? TRUE : FALSE;
}

CSize CDC::GetTextExtent(const kvo::String& text) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hDC, text.getUCS2Buffer(), static_cast<int>(text.size()), &size);
    return CSize(size.cx, size.cy);
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

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

CClientDC::CClientDC(CWnd* pWnd) : m_dc(pWnd->m_hWnd) { m_hDC = m_dc.get(); }
