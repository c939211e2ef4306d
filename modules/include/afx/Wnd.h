#pragma once
// CWnd: an object attached to a window handle. A window is attached for
// the object's life (Attach, SubclassWindow, CDialog creation) and its
// messages then reach the object through its message map; FromHandle gives
// any other window a temporary object that lives until the message loop is
// idle again (do not keep such a pointer across messages).
//
// Handlers run on the GUI thread inside a window procedure. An exception
// that leaves a handler never crosses the window procedure: it is kept and
// thrown again from the DoModal or Create call that runs the message loop
// or created the window (see Dialog.h).
#include <windows.h>

#include "afx/MessageMap.h"
#include "afx/RuntimeClass.h"
#include "kvo/String.h"

class CWnd : public CObject {
public:
    CWnd() = default;
    // Destroys the window if one is still attached.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }  // NOLINT: lets the object stand for its handle in Win32 calls

    // The attached object, or a temporary one; null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    // The attached object, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Ties the object to a window without taking over its messages.
    BOOL Attach(HWND hWndNew);
    // Unties the object (and gives the window its own procedure back).
    HWND Detach();
    // Ties the object to a window and routes its messages through the
    // message map; the window's own procedure does the default processing.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Called once the object is attached, before messages are routed to it.
    virtual void PreSubclassWindow();
    virtual BOOL DestroyWindow();

    // Text.
    void SetWindowText(const wchar_t* lpszString);
    void SetWindowText(const kvo::String& text) { SetWindowText(text.getUCS2Buffer()); }
    void GetWindowText(kvo::String& text) const;
    void SetDlgItemText(int nID, const wchar_t* lpszString);

    // Children and relatives.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    CWnd* SetFocus();

    // State and placement.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;

    // Drawing.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();

    // Messages and timers.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

protected:
    // Dispatches one message: the message map first, else DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the message up in the message maps; TRUE when a handler ran.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window's own processing: its original procedure when subclassed.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the last message (WM_NCDESTROY), when the object is no
    // longer attached.
    virtual void PostNcDestroy();
    // Default processing of the message being handled.
    LRESULT Default();

    static const afx::MessageMap* GetThisMessageMap();
    virtual const afx::MessageMap* GetMessageMap() const;

    // The default processing of WM_DESTROY, for handlers that add to it.
    void OnDestroy();

private:
    friend LRESULT CALLBACK afxWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    void afterLastMessage();
    void restoreWindowProcedure();

    WNDPROC m_pfnSuper = nullptr;  // the procedure the window had before SubclassWindow
    bool m_bTemporary = false;     // made by FromHandle; never destroys its window
};
