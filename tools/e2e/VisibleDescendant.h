// Pages hosted inside a dialog, and the picture's keys inside a page, are
// descendants rather than children; hidden pages keep controls with the same
// ids, so only a visible one counts.
#pragma once

#include <windows.h>

inline HWND findVisibleDescendant(HWND window, int controlId) {
    struct Search {
        int id;
        HWND found;
    } search{controlId, nullptr};
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (::GetDlgCtrlID(child) != s->id || !::IsWindowVisible(child)) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
