#pragma once
// GDI+ start-up and the flat-API objects, each released by its owner.
// (Link with gdiplus, or gdiplus_delayed to load it on first use.)
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <utility>

#include "afx/ScopedWin.h"

namespace afx {

// GdiplusStartup for the length of a scope; ok() tells whether it started.
class GdiplusSession {
public:
    GdiplusSession() noexcept {
        const Gdiplus::GdiplusStartupInput input;
        m_status = Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
    }
    ~GdiplusSession() { shutdown(); }
    GdiplusSession(GdiplusSession&& other) noexcept
        : m_token(std::exchange(other.m_token, 0)), m_status(other.m_status) {}
    GdiplusSession& operator=(GdiplusSession&& other) noexcept {
        if (this != &other) {
            shutdown();
            m_token = std::exchange(other.m_token, 0);
            m_status = other.m_status;
        }
        return *this;
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool ok() const noexcept { return m_status == Gdiplus::Ok && m_token != 0; }
    Gdiplus::Status status() const noexcept { return m_status; }

private:
    void shutdown() noexcept {
        if (m_token) Gdiplus::GdiplusShutdown(std::exchange(m_token, 0));
    }

    ULONG_PTR m_token = 0;
    Gdiplus::Status m_status = Gdiplus::GenericError;
};

namespace traits {

template <typename Object, Gdiplus::Status (WINGDIPAPI* Delete)(Object*)>
struct GdiplusObject {
    using Handle = Object*;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle object) noexcept { Delete(object); }
};

}  // namespace traits

namespace gdip = Gdiplus::DllExports;

using ScopedGpGraphics = kvo::UniqueHandle<traits::GdiplusObject<Gdiplus::GpGraphics, &gdip::GdipDeleteGraphics>>;
using ScopedGpImage = kvo::UniqueHandle<traits::GdiplusObject<Gdiplus::GpImage, &gdip::GdipDisposeImage>>;
using ScopedGpPen = kvo::UniqueHandle<traits::GdiplusObject<Gdiplus::GpPen, &gdip::GdipDeletePen>>;
using ScopedGpBrush = kvo::UniqueHandle<traits::GdiplusObject<Gdiplus::GpBrush, &gdip::GdipDeleteBrush>>;
using ScopedGpFont = kvo::UniqueHandle<traits::GdiplusObject<Gdiplus::GpFont, &gdip::GdipDeleteFont>>;
using ScopedGpFontFamily = kvo::UniqueHandle<traits::GdiplusObject<Gdiplus::GpFontFamily, &gdip::GdipDeleteFontFamily>>;
using ScopedGpStringFormat =
    kvo::UniqueHandle<traits::GdiplusObject<Gdiplus::GpStringFormat, &gdip::GdipDeleteStringFormat>>;

}  // namespace afx
