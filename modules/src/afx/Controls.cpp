#include "afx/Controls.h"

#include <commctrl.h>

#include <string>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {
LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(window, message, wParam, lParam);
}
}  // namespace

int CButton::GetCheck() const { return static_cast<int>(send(m_hWnd, BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { send(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
BOOL CButton::GetIdealSize(SIZE* pSize) const {
    return static_cast<BOOL>(send(m_hWnd, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(pSize)));
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    send(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll) send(m_hWnd, EM_SCROLLCARET);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0;
    DWORD end = 0;
    send(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}
void CEdit::ReplaceSel(const wchar_t* lpszNewText, BOOL bCanUndo) {
    send(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}
void CEdit::SetLimitText(UINT nMax) { send(m_hWnd, EM_SETLIMITTEXT, nMax); }
int CEdit::GetLineCount() const { return static_cast<int>(send(m_hWnd, EM_GETLINECOUNT)); }
int CEdit::GetFirstVisibleLine() const { return static_cast<int>(send(m_hWnd, EM_GETFIRSTVISIBLELINE)); }
BOOL CEdit::LineScroll(int nLines, int nChars) {
    return static_cast<BOOL>(send(m_hWnd, EM_LINESCROLL, static_cast<WPARAM>(nChars), nLines));
}

int CComboBox::AddString(const wchar_t* lpszString) {
    return static_cast<int>(send(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}
int CComboBox::GetCount() const { return static_cast<int>(send(m_hWnd, CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(send(m_hWnd, CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
int CComboBox::GetLBTextLen(int nIndex) const {
    return static_cast<int>(send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}
void CComboBox::GetLBText(int nIndex, kvo::String& text) const {
    const int length = GetLBTextLen(nIndex);
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
void CComboBox::ShowDropDown(BOOL bShowIt) { send(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(send(m_hWnd, CB_GETDROPPEDSTATE)); }
