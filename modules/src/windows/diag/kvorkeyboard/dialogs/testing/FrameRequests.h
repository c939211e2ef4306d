#pragma once
// What a test page asked of its frame: the requests it posted and not yet
// looked at, in order, each with its argument.
#include <windows.h>

#include <utility>
#include <vector>

#include "dialogs/FrameMessages.h"

namespace kvorkeyboard::testing {

using Request = std::pair<UINT, WPARAM>;

inline std::vector<Request> takeFrameRequests(HWND frame) {
    std::vector<Request> posted;
    MSG msg;
    while (PeekMessageW(&msg, frame, WM_APP + 1, WM_APP + 12, PM_REMOVE)) posted.push_back({msg.message, msg.wParam});
    return posted;
}

}  // namespace kvorkeyboard::testing
