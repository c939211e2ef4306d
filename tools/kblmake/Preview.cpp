#include "Preview.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <memory>

namespace kblmake {
namespace {

// "MS Shell Dlg" 8 point at 96 dpi has dialog base units of 6 x 13 pixels:
// a dialog unit is 6/4 pixels across and 13/8 down.
constexpr int kBaseX = 6, kBaseY = 13;
constexpr double kFontPixels = 11;  // 8 point at 96 dpi
constexpr double kLinePixels = 13;
// Windows' button face, frame and text colours.
constexpr double kFace = 240.0 / 255, kInk = 0, kHint = 0.45;
// Wine's Tahoma, which the test shows under Wine ("MS Shell Dlg" resolves
// to it); fontconfig picks a similar face where Wine is not installed.
const char* const kWineFonts = "/usr/share/wine/fonts";
const char* const kFace8 = "Tahoma";
// Tahoma stops short of symbols (arrows, currency) and CJK; legends with
// those get a face that has them.
const char* const kWideFace = "WenQuanYi Micro Hei";

// MulDiv, as MapDialogRect scales: rounded half away from zero.
int scaled(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    return static_cast<int>((product + (product >= 0 ? denominator / 2 : -denominator / 2)) / denominator);
}

bool needsWideFace(const std::string& utf8) {
    for (unsigned char c : utf8)
        if (c >= 0xE2) return true;  // the lead bytes of U+2000 and above
    return false;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == '\n')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// DrawText with DT_WORDBREAK, as a static control calls it: words that do
// not fit go to the next line; a single word too long is clipped.
std::vector<std::string> wrapped(cairo_t* cr, const std::string& text, double width) {
    std::vector<std::string> out;
    for (const std::string& line : lines(text)) {
        std::string current;
        std::size_t start = 0;
        while (start <= line.size()) {
            std::size_t end = line.find(' ', start);
            if (end == std::string::npos) end = line.size();
            const std::string word = line.substr(start, end - start);
            const std::string candidate = current.empty() ? word : current + " " + word;
            if (!current.empty() && textWidth(cr, candidate) > width) {
                out.push_back(current);
                current = word;
            } else {
                current = candidate;
            }
            start = end + 1;
        }
        out.push_back(current);
    }
    return out;
}

void drawControl(cairo_t* cr, const DialogControl& control) {
    // Windows scales a control's place and its size each on its own.
    const int left = scaled(control.x, kBaseX, 4), top = scaled(control.y, kBaseY, 8);
    const int right = left + scaled(control.cx, kBaseX, 4), bottom = top + scaled(control.cy, kBaseY, 8);
    cairo_save(cr);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_clip(cr);
    if (control.textArea) {
        // The test writes its own Fn instructions here; the drawing's text
        // stands in for them, greyed, inside the area's outline.
        const double dash = 2;
        cairo_set_dash(cr, &dash, 1, 0);
        cairo_set_source_rgb(cr, kHint, kHint, kHint);
    } else {
        cairo_set_source_rgb(cr, kInk, kInk, kInk);
    }
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, left + 0.5, top + 0.5, right - left - 1, bottom - top - 1);
    cairo_stroke(cr);
    const double inset = control.textArea ? 0 : 1;  // inside the frame
    const double width = right - left - 2 * inset;
    cairo_select_font_face(cr, needsWideFace(control.text) ? kWideFace : kFace8, CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kFontPixels);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    double baseline = top + inset + font.ascent;
    for (const std::string& line : wrapped(cr, control.text, width)) {
        const double x = control.textArea ? left + inset : left + inset + (width - textWidth(cr, line)) / 2;
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, line.c_str());
        baseline += kLinePixels;
    }
    cairo_restore(cr);
}

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

}  // namespace

bool previewAvailable() { return true; }

std::vector<std::uint8_t> previewPng(const std::vector<DialogControl>& controls) {
    // Fontconfig then finds Wine's Tahoma by name.
    if (std::filesystem::is_directory(kWineFonts))
        FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(kWineFonts));
    const int width = scaled(kAreaWidth, kBaseX, 4), height = scaled(kAreaHeight, kBaseY, 8);
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), kFace, kFace, kFace);
    cairo_paint(cr.get());
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    for (const DialogControl& control : controls) drawControl(cr.get(), control);
    cairo_surface_flush(surface.get());
    std::vector<std::uint8_t> png;
    cairo_surface_write_to_png_stream(
        surface.get(),
        [](void* closure, const unsigned char* data, unsigned int length) {
            auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
            bytes->insert(bytes->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &png);
    // The font caches would outlive the picture; a preview is drawn once.
    cr.reset();
    surface.reset();
    cairo_debug_reset_static_data();
    FcFini();
    return png;
}

}  // namespace kblmake
