#pragma once
// The standard controls the dialogs use, tied to template controls with
// DDX_Control or reached through GetDlgItem.
#include <windows.h>

#include "afx/Wnd.h"

class CStatic : public CWnd {};

class CButton : public CWnd {
public:
    // The size that fits the button's text (BCM_GETIDEALSIZE).
    BOOL GetIdealSize(SIZE* pSize) const;
};

class CEdit : public CWnd {
public:
    // Selects without scrolling the caret into view.
    void SetSel(int nStartChar, int nEndChar);
    void ReplaceSel(const wchar_t* lpszNewText);
    // The most characters ReplaceSel and typing may bring the text to; 0 lifts the limit.
    void SetLimitText(UINT nMax);
    int GetLineCount() const;
    BOOL LineScroll(int nLines);
};

class CComboBox : public CWnd {
public:
    // The new item's index (its sorted place in a sorted box), or CB_ERR / CB_ERRSPACE.
    int AddString(const wchar_t* lpszString);
    int AddString(const kvo::String& text) { return AddString(text.getUCS2Buffer()); }
    int GetCount() const;
    int GetCurSel() const;
    // The index selected, or CB_ERR (also when nIndex is -1, which clears the selection).
    int SetCurSel(int nSelect);
    // The item's text; empty for an index out of range.
    void GetLBText(int nIndex, kvo::String& text) const;
    // Case-insensitive whole-text search after nIndexStart, wrapping round; CB_ERR when absent.
    int FindStringExact(int nIndexStart, const wchar_t* lpszFind) const;
};
