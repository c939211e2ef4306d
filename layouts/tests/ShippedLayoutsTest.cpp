// The shipped libraries as Windows reads them, through the layout test's own
// system calls: mapped as data files, string 1 for the name, and every picture
// (one per language) created without a dialog procedure. Each key window must
// stand where its drawing puts it, with the drawing's identifier and legend.
// This also proves what the writer's own tests leave to Windows: the dialogs
// and the name the resource directory leads to.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LayoutSource.h"
#include "Text.h"
#include "afx/ScopedWin.h"
#include "layout/Win32LayoutSystem.h"

namespace fs = std::filesystem;
using namespace kblmake;

namespace {

std::vector<std::string> shippedDrawings() {
    std::vector<std::string> drawings;
    for (const fs::directory_entry& entry : fs::directory_iterator("Z:" KVO_LAYOUT_SOURCES)) {
        const fs::path& path = entry.path();
        if (path.extension() == ".json" && path.stem().extension().empty()) drawings.push_back(path.u8string());
    }
    return drawings;
}

class ShippedLayout : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedLayout, EveryPictureCreatesItsKeysWhereTheDrawingPutsThem) {
    Diagnostics diagnostics;
    const LayoutSource source = readLayoutSource(GetParam(), diagnostics);
    ASSERT_FALSE(diagnostics.hasErrors()) << formatDiagnostic(diagnostics.list().front());
    const std::wstring file =
        L"Z:" KVO_LAYOUT_LIBRARIES L"/" + fs::u8path(GetParam()).stem().wstring() + L".kbl";
    kvorkeyboard::Win32LayoutSystem system;
    const kvorkeyboard::LayoutLibrary library(system.mapLibrary(kvo::String(file)), {&system});
    ASSERT_TRUE(library) << GetLastError();
    EXPECT_EQ(system.libraryName(library.get()).toUtf8(), source.english.name);

    afx::ScopedWindow parent(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1000, 400, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
    ShowWindow(parent.get(), SW_SHOWNOACTIVATE);  // keys count as unpressed while visible
    for (const LanguagePicture& expected : languagePictures(source)) {
        SCOPED_TRACE(expected.language);
        const DLGTEMPLATE* dialogTemplate = system.findPicture(library.get(), expected.language);
        ASSERT_NE(dialogTemplate, nullptr);
        const kvorkeyboard::PictureWindow picture(system.createPicture(dialogTemplate, parent.get()), {&system});
        ASSERT_TRUE(picture) << GetLastError();
        for (const DialogControl& control : expected.controls) {
            HWND key = GetDlgItem(picture.get(), control.id);
            ASSERT_NE(key, nullptr) << control.id;
            // Windows scales a control's place and its size each on its own.
            RECT place{control.x, control.y, control.cx, control.cy};
            MapDialogRect(picture.get(), &place);
            place.right += place.left;
            place.bottom += place.top;
            RECT shown{};
            GetWindowRect(key, &shown);
            MapWindowPoints(nullptr, picture.get(), reinterpret_cast<POINT*>(&shown), 2);
            EXPECT_TRUE(EqualRect(&place, &shown)) << control.id;
            wchar_t text[128] = {};
            GetWindowTextW(key, text, 128);
            EXPECT_EQ(reinterpret_cast<const char16_t*>(text), toUtf16(control.text)) << control.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLayout, ::testing::ValuesIn(shippedDrawings()),
                         [](const ::testing::TestParamInfo<std::string>& drawing) {
                             return fs::u8path(drawing.param).stem().string();
                         });

}  // namespace
