#include "afx/Controls.h"

#include <commctrl.h>

#include <string>

namespace {
LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(window, message, wParam, lParam);
}
}  // namespace

BOOL CButton::GetIdealSize(SIZE* pSize) const {
    return static_cast<BOOL>(send(m_hWnd, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(pSize)));
}

void CEdit::SetSel(int nStartChar, int nEndChar) { send(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar); }
void CEdit::ReplaceSel(const wchar_t* lpszNewText) {
    send(m_hWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lpszNewText));
}
void CEdit::SetLimitText(UINT nMax) { send(m_hWnd, EM_SETLIMITTEXT, nMax); }
int CEdit::GetLineCount() const { return static_cast<int>(send(m_hWnd, EM_GETLINECOUNT)); }
BOOL CEdit::LineScroll(int nLines) { return static_cast<BOOL>(send(m_hWnd, EM_LINESCROLL, 0, nLines)); }

int CComboBox::AddString(const wchar_t* lpszString) {
    return static_cast<int>(send(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}
int CComboBox::GetCount() const { return static_cast<int>(send(m_hWnd, CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(send(m_hWnd, CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
void CComboBox::GetLBText(int nIndex, kvo::String& text) const {
    const auto length = static_cast<int>(send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
    if (length == CB_ERR) {
        text = kvo::String();
        return;
    }
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = static_cast<int>(
        send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer.data())));
    text = kvo::String(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}
int CComboBox::FindStringExact(int nIndexStart, const wchar_t* lpszFind) const {
    return static_cast<int>(
        send(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}
