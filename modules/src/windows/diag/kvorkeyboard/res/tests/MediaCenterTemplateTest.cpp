// The media-centre template as the system lays it out: every control the
// dialog binds is there, and no control spills out of its box or onto another.
#include <windows.h>

#include <gtest/gtest.h>

#include "afx/ScopedWin.h"
#include "res/MediaCenterKeyboardTestRes.h"

namespace {

INT_PTR CALLBACK ignoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

RECT rectOf(HWND dialog, int id) {
    RECT rect{};
    const HWND control = GetDlgItem(dialog, id);
    EXPECT_NE(control, nullptr) << id;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class MediaCenterTemplate : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog); }
    afx::ScopedWindow dialog{CreateDialogParamW(GetModuleHandleW(nullptr),
                                                MAKEINTRESOURCEW(IDD_MEDIA_CENTER_KEYBOARD_TEST), nullptr,
                                                ignoreMessages, 0)};
};

TEST_F(MediaCenterTemplate, ControlsStayInTheirBoxesAndTheButtonsBelowAndApart) {
    RECT client;
    GetClientRect(dialog.get(), &client);
    const RECT instructions = rectOf(dialog.get(), IDC_INSTRUCTIONS_GROUP);
    const RECT keyGroup = rectOf(dialog.get(), IDC_KEY_PRESSED_GROUP);
    EXPECT_TRUE(inside(rectOf(dialog.get(), IDC_INSTRUCTIONS), instructions));
    EXPECT_TRUE(inside(rectOf(dialog.get(), IDC_KEY_PRESSED), keyGroup));
    EXPECT_LE(instructions.bottom, keyGroup.top);

    LONG previousRight = 0;
    for (int id : {IDC_PASS, IDC_FAIL, IDC_ABORT}) {
        const RECT button = rectOf(dialog.get(), id);
        EXPECT_GE(button.top, keyGroup.bottom) << id;
        EXPECT_TRUE(inside(button, client)) << id;
        EXPECT_GT(button.left, previousRight) << id;
        previousRight = button.right;
    }
}

}  // namespace
