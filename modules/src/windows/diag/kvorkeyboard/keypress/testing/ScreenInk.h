#pragma once
// Reads a window's pixels back from the screen: enough to tell what a
// self-drawn control painted, and where. (Text that Wine draws through X
// does not come back this way; GDI+ text does.)
#include <windows.h>

#include <vector>

#include "afx/ScopedWin.h"

namespace kvorkeyboard::testing {

// A window's client area as the screen shows it, top row first, 0x00RRGGBB.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
};

inline ScreenPixels capture(HWND window) {
    RECT area;
    GetClientRect(window, &area);
    ScreenPixels shot{area.right, area.bottom, {}};
    const afx::ScopedWindowDC source(window);
    const afx::ScopedCreatedDC memory(CreateCompatibleDC(source.get()));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const afx::ScopedBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const afx::ScopedSelectObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, shot.width, shot.height, source.get(), 0, 0, SRCCOPY);
    }
    const auto* first = static_cast<const DWORD*>(bits);
    if (first) shot.pixels.assign(first, first + static_cast<std::size_t>(shot.width) * shot.height);
    return shot;
}

}  // namespace kvorkeyboard::testing
