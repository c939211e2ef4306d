// The controls in a dialog: the language font of their mix-in, and a picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <fstream>

#include "ControlsTestDialogs.h"
#include "KvoControls/KVOControls.h"
#include "KvoControls/PngControl.h"
#include "afx/Dialog.h"

class CControlsDialog : public CDialog {
public:
    CControlsDialog() : CDialog(IDD_CONTROLS) {}
    PngControl m_picture;
    KVOStatic m_label;
    KVOEdit m_text;
    KVOButton m_button;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_PICTURE, m_picture);
        DDX_Control(pDX, IDC_LABEL, m_label);
        DDX_Control(pDX, IDC_TEXT, m_text);
        DDX_Control(pDX, IDC_BUTTON, m_button);
    }
};

HFONT fontOf(const CWnd& window) { return reinterpret_cast<HFONT>(::SendMessageW(window.m_hWnd, WM_GETFONT, 0, 0)); }

// Only the family changes (Wine has no "MS UI Gothic" and falls back to "MS
// Shell Dlg"); the font reaches every control and is one font for every
// window that asks for it. Other languages leave the template's font.
TEST(KVOLangExt, AnEastAsianLanguageGivesEveryControlOneSharedFontOfTheSameSize) {
    CControlsDialog dialog, second;
    ASSERT_TRUE(dialog.Create(IDD_CONTROLS) && second.Create(IDD_CONTROLS));
    const HFONT templateFont = fontOf(dialog.m_text);
    EXPECT_FALSE(KVOLangExt::applyLanguageFont(&dialog, vemo5::Language("en")) ||
                 KVOLangExt::applyLanguageFont(nullptr, vemo5::Language::ja()));
    ASSERT_EQ(fontOf(dialog.m_text), templateFont);
    ASSERT_TRUE(KVOLangExt::applyLanguageFont(&dialog, vemo5::Language::ja()) &&
                KVOLangExt::applyLanguageFont(&second, vemo5::Language::ja()));
    LOGFONTW before{}, after{};
    ::GetObjectW(templateFont, sizeof before, &before);
    ::GetObjectW(fontOf(dialog.m_text), sizeof after, &after);
    EXPECT_TRUE(std::wcscmp(after.lfFaceName, L"MS UI Gothic") == 0 || std::wcscmp(after.lfFaceName, L"MS Shell Dlg") == 0);
    EXPECT_EQ(std::make_pair(after.lfHeight, after.lfWeight), std::make_pair(before.lfHeight, before.lfWeight));
    EXPECT_NE(fontOf(dialog.m_text), templateFont);
    for (const CWnd* window : std::initializer_list<const CWnd*>{&dialog.m_label, &dialog.m_button, &second.m_text})
        EXPECT_EQ(fontOf(*window), fontOf(dialog.m_text));
}

// Each pixel as r(ed), b(lue), _ (the dialog's background) or ? (anything else).
std::string shades(HDC dc, std::initializer_list<POINT> points) {
    const auto like = [](COLORREF c, COLORREF to) {
        return std::abs(GetRValue(c) - GetRValue(to)) + std::abs(GetGValue(c) - GetGValue(to)) +
                   std::abs(GetBValue(c) - GetBValue(to)) < 90;
    };
    std::string shown;
    for (POINT p : points) {
        const COLORREF c = ::GetPixel(dc, p.x, p.y);
        shown += like(c, RGB(255, 0, 0)) ? 'r'
                 : like(c, RGB(0, 0, 255)) ? 'b'
                 : like(c, ::GetSysColor(COLOR_BTNFACE)) ? '_' : '?';
    }
    return shown;
}

// What the control draws through WM_PRINTCLIENT, read back from a memory bitmap.
std::string printed(CWnd& control, std::initializer_list<POINT> points) {
    afx::ScopedCreatedDC dc(::CreateCompatibleDC(nullptr));
    afx::ScopedBitmap bitmap(::CreateCompatibleBitmap(afx::ScopedWindowDC(nullptr).get(), 120, 40));
    afx::ScopedSelectObject selected(dc.get(), bitmap.get());
    control.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    return shades(dc.get(), points);
}

// A 20 x 10 picture, left half red, right half blue, in a 120 x 40 control
// is drawn 80 x 40 from x = 20, both when painted and when printed; the
// file is not kept open. A missing file or no picture leaves the background.
TEST(PngControl, DrawsThePictureScaledToFitAndCentredOrNothing) {
    afx::GdiplusSession gdiplus;
    const std::filesystem::path png = std::filesystem::temp_directory_path() /
                                      ("kvo-png-" + std::to_string(::GetCurrentProcessId()) + ".png");
    std::ofstream(png, std::ios::binary)
        << std::string("\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x14\x00\x00\x00\x0a"
                       "\x08\x02\x00\x00\x00\x3b\x37\xe9\xb1\x00\x00\x00\x18\x49\x44\x41\x54\x78\xda\x63\xf8\xcf\xc0\x80"
                       "\x07\xe1\x95\xfc\xcf\x30\xaa\x79\x54\x33\x21\xcd\x00\x69\xfd\xc7\x39\xf7\x28\x78\x9f\x00\x00\x00"
                       "\x00\x49\x45\x4e\x44\xae\x42\x60\x82", 81);
    CControlsDialog dialog;
    ASSERT_TRUE(gdiplus.ok() && dialog.Create(IDD_CONTROLS));
    dialog.m_picture.MoveWindow(0, 0, 120, 40);
    ASSERT_TRUE(dialog.m_picture.SetImage(png.wstring(), true));
    EXPECT_TRUE(std::filesystem::remove(png));
    EXPECT_EQ(printed(dialog.m_picture, {{5, 20}, {30, 5}, {50, 35}, {70, 5}, {90, 35}, {115, 20}}), "_rrbb_");
    EXPECT_EQ(shades(afx::ScopedWindowDC(dialog.m_picture.m_hWnd).get(), {{40, 20}, {80, 20}}), "rb");
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (const std::wstring& notAPicture : {png.wstring(), std::wstring(self)}) {
        EXPECT_FALSE(dialog.m_picture.SetImage(notAPicture, true));
        EXPECT_EQ(printed(dialog.m_picture, {{40, 20}, {80, 20}}), "__");
    }
}
