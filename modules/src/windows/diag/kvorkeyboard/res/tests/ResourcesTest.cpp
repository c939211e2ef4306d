// The module's own resources, read back from the program they are linked into.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/ScopedWin.h"
#include "res/InteractiveTestDlgRes.h"
#include "res/KVOrKeyboardRes.h"
#include "res/SimpleKeyboardTestRes.h"

namespace {

INT_PTR CALLBACK ignoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

afx::ScopedWindow createDialog(UINT id, HWND parent) {
    return afx::ScopedWindow(
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent, ignoreMessages, 0));
}

RECT rectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring versionValue(const std::vector<BYTE>& block, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0) return L"";
    return std::wstring(static_cast<const wchar_t*>(value));
}

}  // namespace

TEST(ResourcesTest, EveryControlOfBothTemplatesExists) {
    const afx::ScopedWindow frame = createDialog(IDD_INTERACTIVE_TEST, nullptr);
    ASSERT_TRUE(frame);
    for (int id : {IDC_AVAILABLE_TESTS, IDC_LAYOUT_TEST_RADIO, IDC_SIMPLE_TEST_RADIO, IDC_START, IDC_PASS, IDC_FAIL,
                   IDC_ABORT, IDC_SUB_INSTRUCTION1, IDC_SUB_INSTRUCTION2, IDC_TEST_AREA, IDC_INSTRUCTIONS_GROUP,
                   IDC_INSTRUCTIONS, IDC_KEYBOARD_PICTURE})
        EXPECT_NE(GetDlgItem(frame.get(), id), nullptr) << id;

    const afx::ScopedWindow page = createDialog(IDD_SIMPLE_KEYBOARD_TEST, GetDlgItem(frame.get(), IDC_TEST_AREA));
    ASSERT_TRUE(page);
    for (int id = IDC_KEYSTROKE_INFO_GROUP; id <= IDC_SCROLL_LOCK_ON; ++id)
        EXPECT_EQ(GetDlgItem(page.get(), id) != nullptr, id != 1204) << id;
}

// A page that is smaller or larger than the frame's test area leaves a gap
// or is cut off.
TEST(ResourcesTest, SimplePageFillsTheFramesTestArea) {
    const afx::ScopedWindow frame = createDialog(IDD_INTERACTIVE_TEST, nullptr);
    ASSERT_TRUE(frame);
    const HWND area = GetDlgItem(frame.get(), IDC_TEST_AREA);
    const afx::ScopedWindow page = createDialog(IDD_SIMPLE_KEYBOARD_TEST, area);
    ASSERT_TRUE(page);
    RECT areaRect, pageRect;
    GetClientRect(area, &areaRect);
    GetClientRect(page.get(), &pageRect);
    EXPECT_EQ(pageRect.right, areaRect.right);
    EXPECT_EQ(pageRect.bottom, areaRect.bottom);
    EXPECT_EQ(GetWindowLongW(page.get(), GWL_STYLE) & WS_VISIBLE, 0) << "the frame shows the page when it is ready";
}

// The Fail and Pass buttons grow leftwards with their texts; the group must
// start right of the test area's left edge and stay clear of the status lines.
TEST(ResourcesTest, VerdictButtonsSitBetweenTestAreaAndStatusLines) {
    const afx::ScopedWindow frame = createDialog(IDD_INTERACTIVE_TEST, nullptr);
    ASSERT_TRUE(frame);
    const RECT area = rectInParent(GetDlgItem(frame.get(), IDC_TEST_AREA));
    const RECT status = rectInParent(GetDlgItem(frame.get(), IDC_SUB_INSTRUCTION1));
    for (int id : {IDC_PASS, IDC_FAIL, IDC_ABORT}) {
        const RECT button = rectInParent(GetDlgItem(frame.get(), id));
        EXPECT_GE(button.top, area.bottom) << id;
        EXPECT_LE(button.bottom, status.top) << id;
    }
}

TEST(ResourcesTest, IconLoads) {
    const afx::ScopedIcon icon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KVORKEYBOARD)));
    EXPECT_TRUE(icon);
}

TEST(ResourcesTest, VersionResourceNamesTheVersionTheHostIsGiven) {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(KVORKEYBOARD_VERSION_MINOR, KVORKEYBOARD_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(KVORKEYBOARD_VERSION_BUILD, 0));

    const std::string text = std::to_string(KVORKEYBOARD_VERSION_MAJOR) + "." +
                             std::to_string(KVORKEYBOARD_VERSION_MINOR) + "." + KVORKEYBOARD_VERSION_BUILD_TEXT;
    EXPECT_EQ(versionValue(block, L"FileVersion"), std::wstring(text.begin(), text.end()));
    EXPECT_EQ(versionValue(block, L"FileDescription"), L"Keyboard Test Diagnostic Module");
}
