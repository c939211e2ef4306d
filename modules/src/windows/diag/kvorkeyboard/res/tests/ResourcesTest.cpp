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

std::wstring versionValue(const std::vector<BYTE>& block, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0) return L"";
    return std::wstring(static_cast<const wchar_t*>(value));
}

}  // namespace

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
