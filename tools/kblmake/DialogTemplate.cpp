#include "DialogTemplate.h"

#include "ByteWriter.h"
#include "Text.h"

namespace kblmake {
namespace {

// Window and static-control styles (winuser.h), spelled out so that this
// builds without Windows headers.
constexpr std::uint32_t WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000, WS_BORDER = 0x00800000;
constexpr std::uint32_t DS_SETFONT = 0x40;
constexpr std::uint32_t SS_LEFT = 0x0, SS_CENTER = 0x1, SS_NOPREFIX = 0x80;
constexpr std::uint8_t DEFAULT_CHARSET = 1;

constexpr std::uint32_t kPictureStyle = DS_SETFONT | WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kKeyStyle = SS_CENTER | SS_NOPREFIX | WS_BORDER | WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kTextAreaStyle = SS_LEFT | SS_NOPREFIX | WS_CHILD | WS_VISIBLE;

void terminated(ByteWriter& out, std::u16string_view text) {
    out.text(text);
    out.u16(0);
}

}  // namespace

std::vector<std::uint8_t> dialogTemplate(const std::vector<DialogControl>& controls) {
    ByteWriter out;
    out.u16(1);       // dlgVer
    out.u16(0xFFFF);  // signature: the extended template
    out.u32(0);       // helpID
    out.u32(0);       // exStyle
    out.u32(kPictureStyle);
    out.u16(static_cast<std::uint16_t>(controls.size()));
    out.u16(0);  // x
    out.u16(0);  // y
    out.u16(kAreaWidth);
    out.u16(kAreaHeight);
    out.u16(0);  // no menu
    out.u16(0);  // the standard dialog class
    out.u16(0);  // no title
    out.u16(8);  // point size
    out.u16(0);  // weight
    out.u8(0);   // italic
    out.u8(DEFAULT_CHARSET);
    terminated(out, u"MS Shell Dlg");
    for (const DialogControl& control : controls) {
        out.alignTo(4);
        out.u32(0);  // helpID
        out.u32(0);  // exStyle
        out.u32(control.textArea ? kTextAreaStyle : kKeyStyle);
        out.u16(static_cast<std::uint16_t>(control.x));
        out.u16(static_cast<std::uint16_t>(control.y));
        out.u16(static_cast<std::uint16_t>(control.cx));
        out.u16(static_cast<std::uint16_t>(control.cy));
        out.u32(control.id);
        // By name, as the resource compilers of the earlier pictures wrote
        // it, so that those pictures come out byte for byte as they were.
        terminated(out, u"STATIC");
        terminated(out, toUtf16(control.text));
        out.u16(0);  // no creation data
    }
    return std::move(out.data());
}

}  // namespace kblmake
