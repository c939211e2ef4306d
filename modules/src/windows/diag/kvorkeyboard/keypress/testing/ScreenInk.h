#pragma once
// Reads a window's pixels back from the screen and finds where one colour
// is: enough to tell what a self-drawn control painted, and where. (Text
// that Wine draws through X does not come back this way; GDI+ text does.)
#include <windows.h>

#include <algorithm>
#include <vector>

#include "afx/ScopedWin.h"

namespace kvorkeyboard::testing {

struct Ink {
    int pixels = 0;  // of exactly the colour; anti-aliased edges do not count
    int others = 0;  // of any other colour
    int top = 0;
    int bottom = -1;
    int left = 0;
    int right = -1;
    int height() const { return bottom - top + 1; }
};

// A window's pixels as the screen shows them, top row first, 0x00RRGGBB.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
};

// The client area, read back from the screen.
inline ScreenPixels capture(HWND window) {
    RECT area;
    GetClientRect(window, &area);
    ScreenPixels shot{area.right, area.bottom, {}};
    const afx::ScopedWindowDC source(window);
    const afx::ScopedCreatedDC memory(CreateCompatibleDC(source.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
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

inline Ink inkOf(HWND window, COLORREF colour) {
    const ScreenPixels shot = capture(window);
    Ink ink;
    ink.top = shot.height;
    ink.left = shot.width;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            const DWORD p = shot.pixels[static_cast<std::size_t>(y) * shot.width + x];
            if (RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) != colour) {
                ++ink.others;
                continue;
            }
            ++ink.pixels;
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    return ink;
}

}  // namespace kvorkeyboard::testing
