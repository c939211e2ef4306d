#pragma once
// Reads a window's pixels back from the screen and finds where one colour
// is: enough to tell what a self-drawn control painted, and where.
#include <windows.h>

#include <algorithm>

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

inline Ink inkOf(HWND window, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    const afx::ScopedWindowDC screen(window);
    const afx::ScopedCreatedDC memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const afx::ScopedBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const afx::ScopedSelectObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);

    Ink ink;
    ink.top = height;
    ink.left = width;
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const DWORD p = pixel[y * width + x];
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
