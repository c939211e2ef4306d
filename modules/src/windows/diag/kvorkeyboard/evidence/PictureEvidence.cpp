#include "PictureEvidence.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "afx/ScopedGdiplus.h"
#include "evidence/RunEvidence.h"
#include "kvo/Logging.h"
#include "kvo/String.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard.PictureEvidence");

constexpr int kScale = 2;
// Remaining keys stand out in print and on screen; pressed ones recede.
constexpr Gdiplus::ARGB kBackground = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kRemainingFill = 0xFFD32F2F, kRemainingEdge = 0xFF7F0000, kRemainingText = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kPressedFill = 0xFFF0F0F0, kPressedEdge = 0xFFC8C8C8, kPressedText = 0xFFA0A0A0;
// The encoder GDI+ registers for image/png.
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

struct PictureKeyState {
    std::uint16_t id;
    kvo::String legend;  // as drawn on the key, one line per legend
    RECT place;          // in the picture's client coordinates
    bool remaining;      // still shown: never pressed
};

struct StreamRelease {
    void operator()(IStream* stream) const noexcept { stream->Release(); }
};
using ScopedStream = std::unique_ptr<IStream, StreamRelease>;

// A global memory block locked for the length of a scope; data() is null
// when the lock failed.
class ScopedGlobalLock {
public:
    explicit ScopedGlobalLock(HGLOBAL memory) noexcept : m_memory(memory), m_data(::GlobalLock(memory)) {}
    ~ScopedGlobalLock() {
        if (m_data) ::GlobalUnlock(m_memory);
    }
    ScopedGlobalLock(const ScopedGlobalLock&) = delete;
    ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;

    const void* data() const noexcept { return m_data; }

private:
    HGLOBAL m_memory;
    void* m_data;
};

kvo::String windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return kvo::String(text);
}

// The legend's lines joined by blanks: "Num Lock" rather than "Num\nLock".
std::string oneLine(const kvo::String& legend) {
    std::string text = legend.toUtf8();
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// The picture's own font at about the drawing's scale; null when GDI+ has none like it.
afx::ScopedGpFont legendFont(HWND picture) {
    LOGFONTW logFont{};
    auto font = reinterpret_cast<HFONT>(::SendMessageW(picture, WM_GETFONT, 0, 0));
    if (::GetObjectW(font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont,
                     &logFont) == 0)
        return {};
    // A tenth smaller than on screen: GDI+ sets text a little wider than the
    // key windows do, and a legend that fits there must fit here.
    logFont.lfHeight = logFont.lfHeight * kScale * 9 / 10;
    const afx::ScopedCreatedDC dc(::CreateCompatibleDC(nullptr));
    Gdiplus::GpFont* created = nullptr;
    if (afx::gdip::GdipCreateFontFromLogfontW(dc.get(), &logFont, &created) != Gdiplus::Ok) return {};
    return afx::ScopedGpFont(created);
}

void drawKey(Gdiplus::GpGraphics* graphics, const PictureKeyState& key, Gdiplus::GpFont* font,
             Gdiplus::GpStringFormat* format) {
    using namespace afx::gdip;
    const bool remaining = key.remaining;
    const Gdiplus::RectF place(static_cast<float>(key.place.left * kScale), static_cast<float>(key.place.top * kScale),
                               static_cast<float>((key.place.right - key.place.left) * kScale - 1),
                               static_cast<float>((key.place.bottom - key.place.top) * kScale - 1));
    Gdiplus::GpSolidFill* fill = nullptr;
    Gdiplus::GpSolidFill* ink = nullptr;
    Gdiplus::GpPen* edge = nullptr;
    GdipCreateSolidFill(remaining ? kRemainingFill : kPressedFill, &fill);
    const afx::ScopedGpBrush fillOwner(fill);
    GdipCreateSolidFill(remaining ? kRemainingText : kPressedText, &ink);
    const afx::ScopedGpBrush inkOwner(ink);
    GdipCreatePen1(remaining ? kRemainingEdge : kPressedEdge, static_cast<float>(kScale), Gdiplus::UnitPixel, &edge);
    const afx::ScopedGpPen edgeOwner(edge);
    if (fill) GdipFillRectangle(graphics, fill, place.X, place.Y, place.Width, place.Height);
    if (edge) GdipDrawRectangle(graphics, edge, place.X, place.Y, place.Width, place.Height);
    if (font && ink) GdipDrawString(graphics, key.legend.getUCS2Buffer(), -1, font, &place, format, ink);
}

std::vector<std::uint8_t> encodePng(Gdiplus::GpImage* image) {
    IStream* created = nullptr;
    if (::CreateStreamOnHGlobal(nullptr, TRUE, &created) != S_OK) return {};
    const ScopedStream stream(created);
    STATSTG stat{};
    HGLOBAL memory = nullptr;
    if (afx::gdip::GdipSaveImageToStream(image, stream.get(), &kPngEncoder, nullptr) != Gdiplus::Ok ||
        stream->Stat(&stat, STATFLAG_NONAME) != S_OK || ::GetHGlobalFromStream(stream.get(), &memory) != S_OK)
        return {};
    const ScopedGlobalLock lock(memory);
    const auto* bytes = static_cast<const std::uint8_t*>(lock.data());
    if (bytes == nullptr) return {};
    return std::vector<std::uint8_t>(bytes, bytes + stat.cbSize.QuadPart);
}

// The keys among `keys` (windows of `picture`), in the order given.
std::vector<PictureKeyState> readPictureKeys(HWND picture, const std::vector<HWND>& keys) {
    std::vector<PictureKeyState> states;
    for (HWND key : keys) {
        RECT place{};
        ::GetWindowRect(key, &place);
        ::MapWindowPoints(HWND_DESKTOP, picture, reinterpret_cast<POINT*>(&place), 2);
        // The style, not IsWindowVisible: a picture never on screen still shows its keys.
        const bool shown = (::GetWindowLongW(key, GWL_STYLE) & WS_VISIBLE) != 0;
        states.push_back({static_cast<std::uint16_t>(::GetDlgCtrlID(key)), windowText(key), place, shown});
    }
    return states;
}

// The picture, twice its size on screen, as a PNG: pressed keys faint,
// remaining keys filled red. Empty when GDI+ cannot draw or encode it.
std::vector<std::uint8_t> drawPicturePng(HWND picture, const std::vector<PictureKeyState>& keys) {
    using namespace afx::gdip;
    RECT client{};
    ::GetClientRect(picture, &client);
    for (const PictureKeyState& key : keys) {
        client.right = std::max(client.right, key.place.right);
        client.bottom = std::max(client.bottom, key.place.bottom);
    }
    const afx::GdiplusSession gdiplus;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (!gdiplus.ok() || client.right <= 0 || client.bottom <= 0 ||
        GdipCreateBitmapFromScan0(client.right * kScale, client.bottom * kScale, 0, PixelFormat32bppARGB, nullptr,
                                  &bitmap) != Gdiplus::Ok)
        return {};
    const afx::ScopedGpImage image(bitmap);
    Gdiplus::GpGraphics* graphics = nullptr;
    if (GdipGetImageGraphicsContext(image.get(), &graphics) != Gdiplus::Ok) return {};
    const afx::ScopedGpGraphics painter(graphics);
    GdipGraphicsClear(graphics, kBackground);
    GdipSetTextRenderingHint(graphics, Gdiplus::TextRenderingHintAntiAliasGridFit);
    const afx::ScopedGpFont font = legendFont(picture);
    if (!font) KVO_LOG(g_log, 3, "No font for the keys' legends; the picture has none");
    // Without the padding GDI+ puts around text by default, legends wrap
    // where the key's own window wraps them.
    Gdiplus::GpStringFormat* typographic = nullptr;
    Gdiplus::GpStringFormat* format = nullptr;
    GdipStringFormatGetGenericTypographic(&typographic);
    GdipCloneStringFormat(typographic, &format);
    const afx::ScopedGpStringFormat formatOwner(format);
    GdipSetStringFormatAlign(format, Gdiplus::StringAlignmentCenter);
    GdipSetStringFormatLineAlign(format, Gdiplus::StringAlignmentCenter);
    for (const PictureKeyState& key : keys) drawKey(graphics, key, font.get(), format);
    return encodePng(image.get());
}

}  // namespace

void notePictureAtEnd(HWND picture, const std::vector<HWND>& keys) {
    RunEvidence* evidence = currentRunEvidence();
    if (evidence == nullptr || !::IsWindow(picture)) return;
    const std::vector<PictureKeyState> states = readPictureKeys(picture, keys);
    std::vector<vemo5::PictureKey> notPressed;
    for (const PictureKeyState& key : states)
        if (key.remaining) notPressed.push_back({key.id, oneLine(key.legend)});
    std::vector<std::uint8_t> png;
    if (!notPressed.empty()) {
        png = drawPicturePng(picture, states);
        if (png.empty()) KVO_LOG(g_log, 3, "The keyboard picture could not be drawn for the report");
    }
    evidence->notePicture(std::move(notPressed), std::move(png));
}

}  // namespace kvorkeyboard
