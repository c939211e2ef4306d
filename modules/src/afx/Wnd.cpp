#include "afx/Wnd.h"

#include <utility>

#include "ThreadState.h"
#include "kvo/Exception.h"

using afx::detail::threadState;

LRESULT CALLBACK afxWindowProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

const afx::MessageMap* CWnd::GetThisMessageMap() {
    static const afx::MessageMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const afx::MessageMap map = {nullptr, entries};
    return &map;
}

const afx::MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::~CWnd() {
    // Virtual calls resolve to CWnd here: derived handlers are gone already.
    if (m_hWnd && !m_bTemporary) DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto& map = threadState().permanent;
    const auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
    auto& temporary = threadState().temporary[hWnd];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = hWnd;
        temporary->m_bTemporary = true;
    }
    return temporary.get();
}

BOOL CWnd::Attach(HWND hWndNew) {
    KVO_ASSERT(m_hWnd == nullptr);
    if (!hWndNew || !::IsWindow(hWndNew)) return FALSE;
    KVO_ASSERT(FromHandlePermanent(hWndNew) == nullptr);
    threadState().permanent[hWndNew] = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    restoreWindowProcedure();
    const HWND hWnd = std::exchange(m_hWnd, nullptr);
    if (hWnd) threadState().permanent.erase(hWnd);
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&afxWindowProcedure)));
    if (!previous) {
        Detach();
        return FALSE;
    }
    m_pfnSuper = previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    const HWND control = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return control ? SubclassWindow(control) : FALSE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::restoreWindowProcedure() {
    if (!m_pfnSuper) return;
    // Only when nobody has subclassed the window after us: taking their
    // procedure away would cut them off.
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &afxWindowProcedure)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    const HWND hWnd = m_hWnd;
    const bool subclassed = m_pfnSuper != nullptr;
    const BOOL destroyed = ::DestroyWindow(hWnd);
    // A window whose messages do not pass through us never shows us its
    // WM_NCDESTROY; untie it here.
    if (destroyed && !subclassed && m_hWnd == hWnd) Detach();
    return destroyed;
}

void CWnd::afterLastMessage() {
    restoreWindowProcedure();
    Detach();
    PostNcDestroy();
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

namespace {

bool matches(const afx::MessageMapEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message) return false;
    if (message != WM_COMMAND) return true;
    const UINT id = LOWORD(wParam);
    return entry.code == HIWORD(wParam) && entry.firstId <= id && id <= entry.lastId;
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    for (const afx::MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const afx::MessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
            if (matches(*entry, message, wParam)) {
                *pResult = entry->handler(*this, wParam, lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const auto& current = threadState().current;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

void CWnd::OnDestroy() { Default(); }

LRESULT CALLBACK afxWindowProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* window = CWnd::FromHandlePermanent(hWnd);
    if (!window) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        afx::detail::CurrentMessageScope scope(message, wParam, lParam);
        result = window->WindowProc(message, wParam, lParam);
        if (message == WM_NCDESTROY) window->afterLastMessage();
    } catch (...) {
        afx::detail::keepPendingException();
        if (message == WM_NCDESTROY && window->m_hWnd == hWnd) window->afterLastMessage();
    }
    return result;
}

// ---- Plain wrappers -------------------------------------------------------

void CWnd::SetWindowText(const wchar_t* lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }

void CWnd::GetWindowText(kvo::String& text) const {
    std::basic_string<wchar_t> buffer(static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    const int length = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    text = kvo::String(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

void CWnd::SetDlgItemText(int nID, const wchar_t* lpszString) { ::SetDlgItemTextW(m_hWnd, nID, lpszString); }

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
}
UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
