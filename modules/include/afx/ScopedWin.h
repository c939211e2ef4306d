#pragma once
// Owners of Win32 resources, released on every path out of a scope.
//
// Each owner is move-only: a copied owner would release the same handle
// twice. An owner that was moved from holds nothing and releases nothing.
// Release functions never throw and their failures are ignored, because
// a destructor has no one to report them to.
#include <windows.h>

#include <utility>

namespace afx {

// Owns one handle of the kind that Traits describes:
//   using Handle = ...;                    the handle type
//   static Handle invalid() noexcept;      the value that means "none"
//   static void close(Handle) noexcept;    releases a valid handle
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : m_handle(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != Traits::invalid(); }

    // Gives the handle up without releasing it.
    [[nodiscard]] Handle release() noexcept { return std::exchange(m_handle, Traits::invalid()); }

    // Releases the held handle (if any) and takes `handle`.
    void reset(Handle handle = Traits::invalid()) noexcept {
        const Handle old = std::exchange(m_handle, handle);
        if (old != Traits::invalid()) Traits::close(old);
    }

    // For APIs that return the handle through an out-parameter
    // (RegOpenKeyExW(..., key.put())): releases the held one first.
    Handle* put() noexcept {
        reset();
        return &m_handle;
    }

private:
    Handle m_handle = Traits::invalid();
};

namespace traits {

// Process, thread, token, event and other kernel handles whose failure value is null.
struct KernelHandle {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::CloseHandle(handle); }
};

// CreateFileW and CreateToolhelp32Snapshot report failure as INVALID_HANDLE_VALUE.
struct FileHandle {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) noexcept { ::CloseHandle(handle); }
};

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

// Only for icons the program created (CreateIconIndirect, LoadImageW without
// LR_SHARED); shared icons from LoadIconW must not be destroyed.
struct Icon {
    using Handle = HICON;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::DestroyIcon(handle); }
};

struct Hook {
    using Handle = HHOOK;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::UnhookWindowsHookEx(handle); }
};

struct Library {
    using Handle = HMODULE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::FreeLibrary(handle); }
};

struct RegKey {
    using Handle = HKEY;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { ::RegCloseKey(handle); }
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

using ScopedHandle = UniqueHandle<traits::KernelHandle>;
using ScopedFileHandle = UniqueHandle<traits::FileHandle>;
using ScopedFindHandle = UniqueHandle<traits::FindHandle>;
template <typename GdiHandle>
using ScopedGdiObject = UniqueHandle<traits::GdiObject<GdiHandle>>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedRegion = ScopedGdiObject<HRGN>;
using ScopedIcon = UniqueHandle<traits::Icon>;
using ScopedHook = UniqueHandle<traits::Hook>;
using ScopedLibrary = UniqueHandle<traits::Library>;
using ScopedRegKey = UniqueHandle<traits::RegKey>;
using ScopedCreatedDC = UniqueHandle<traits::CreatedDC>;
using ScopedWindow = UniqueHandle<traits::Window>;

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
