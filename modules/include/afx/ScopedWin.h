#pragma once
// Owners of Win32 resources, released on every path out of a scope: the
// handles that kvo::UniqueHandle owns with Win32's own release functions, and
// the DC and selection owners that need more than a handle.
#include <windows.h>

#include <utility>

#include "kvo/UniqueHandle.h"

namespace afx {

namespace traits {

struct FindHandle {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) noexcept { ::FindClose(handle); }
};

template <typename GdiHandle>
struct GdiObject {
    using Handle = GdiHandle;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::DeleteObject(handle); }
};

struct Library {
    using Handle = HMODULE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::FreeLibrary(handle); }
};

// A DC the program created (CreateCompatibleDC, CreateDCW), not one from GetDC.
struct CreatedDC {
    using Handle = HDC;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::DeleteDC(handle); }
};

struct Window {
    using Handle = HWND;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::DestroyWindow(handle); }
};

}  // namespace traits

using ScopedFindHandle = kvo::UniqueHandle<traits::FindHandle>;
template <typename GdiHandle>
using ScopedGdiObject = kvo::UniqueHandle<traits::GdiObject<GdiHandle>>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedLibrary = kvo::UniqueHandle<traits::Library>;
using ScopedCreatedDC = kvo::UniqueHandle<traits::CreatedDC>;
using ScopedWindow = kvo::UniqueHandle<traits::Window>;

// A window's DC from GetDC, given back with ReleaseDC to the same window.
class ScopedWindowDC {
public:
    explicit ScopedWindowDC(HWND window) noexcept : m_window(window), m_dc(::GetDC(window)) {}
    ~ScopedWindowDC() { release(); }
    ScopedWindowDC(ScopedWindowDC&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr)), m_dc(std::exchange(other.m_dc, nullptr)) {}
    ScopedWindowDC& operator=(ScopedWindowDC&& other) noexcept {
        if (this != &other) {
            release();
            m_window = std::exchange(other.m_window, nullptr);
            m_dc = std::exchange(other.m_dc, nullptr);
        }
        return *this;
    }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;

    HDC get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    void release() noexcept {
        if (m_dc) ::ReleaseDC(m_window, std::exchange(m_dc, nullptr));
        m_window = nullptr;
    }

    HWND m_window;
    HDC m_dc;
};

// Selects a GDI object into a DC and selects the previous one back at the
// end of the scope, so the object can be deleted afterwards. Declare it
// after the owner of the object, so that it is undone first.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) noexcept
        : m_dc(dc), m_previous(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() { restore(); }
    ScopedSelectObject(ScopedSelectObject&& other) noexcept
        : m_dc(std::exchange(other.m_dc, nullptr)), m_previous(std::exchange(other.m_previous, nullptr)) {}
    ScopedSelectObject& operator=(ScopedSelectObject&& other) noexcept {
        if (this != &other) {
            restore();
            m_dc = std::exchange(other.m_dc, nullptr);
            m_previous = std::exchange(other.m_previous, nullptr);
        }
        return *this;
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

    // False when nothing was selected (no DC, no object, or SelectObject failed).
    explicit operator bool() const noexcept { return m_previous != nullptr && m_previous != HGDI_ERROR; }

private:
    void restore() noexcept {
        if (m_dc && m_previous && m_previous != HGDI_ERROR) ::SelectObject(m_dc, m_previous);
        m_dc = nullptr;
        m_previous = nullptr;
    }

    HDC m_dc;
    HGDIOBJ m_previous;
};

}  // namespace afx
