// The shipped layout libraries, mapped and drawn the way the layout test does
// it: as data files, the English template, created without a dialog procedure.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "afx/ScopedWin.h"

namespace {

constexpr int kFnInstructions = 1104;

struct Shipped {
    const wchar_t* file;
    const wchar_t* displayName;
    std::size_t keys;
    bool fnInstructions;
};

const Shipped kShipped[] = {
    {L"Std104Kbd.kbl", L"Standard 104/109 key keyboard.", 104, false},
    {L"Std101Kbd.kbl", L"Standard 101 enhanced keyboard.", 101, false},
    {L"Std106Kbd.kbl", L"Standard 106 key keyboard.", 106, false},
    {L"Iso105Kbd.kbl", L"Standard 105 key keyboard (ISO).", 105, false},
    {L"MediaCenterKbd.kbl", L"Media center keyboard.", 98, false},
    {L"LaptopKbd.kbl", L"Laptop keyboard with Fn key", 78, true},
};

struct Child {
    HWND window;
    int id;
    RECT rect;
};

BOOL CALLBACK collect(HWND window, LPARAM context) {
    auto* children = reinterpret_cast<std::vector<Child>*>(context);
    RECT rect{};
    GetWindowRect(window, &rect);
    children->push_back({window, GetDlgCtrlID(window), rect});
    return TRUE;
}

class ShippedLayout : public ::testing::TestWithParam<Shipped> {};

TEST_P(ShippedLayout, MapsAsDataWithItsNameAndAnEnglishPicture) {
    const Shipped& expected = GetParam();
    afx::ScopedLibrary library(LoadLibraryExW(expected.file, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(library) << GetLastError();

    wchar_t name[64] = {};
    EXPECT_GT(LoadStringW(library.get(), 1, name, 64), 0);
    EXPECT_STREQ(name, expected.displayName);

    HRSRC resource = FindResourceExW(library.get(), RT_DIALOG, MAKEINTRESOURCEW(2),
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    HGLOBAL loaded = resource ? LoadResource(library.get(), resource) : nullptr;
    auto* dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEW>(LockResource(loaded)) : nullptr;
    ASSERT_NE(dialogTemplate, nullptr) << "resource " << resource << ", loaded " << loaded;

    afx::ScopedWindow parent(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1000, 400, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(parent);
    // Keys count as unpressed while they are visible, which needs a shown parent.
    ShowWindow(parent.get(), SW_SHOWNOACTIVATE);
    afx::ScopedWindow picture(
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, parent.get(), nullptr, 0));
    ASSERT_TRUE(picture) << GetLastError();

    std::vector<Child> children;
    EnumChildWindows(picture.get(), collect, reinterpret_cast<LPARAM>(&children));
    RECT area{};
    GetWindowRect(picture.get(), &area);

    std::vector<Child> keys;
    std::set<int> ids;
    for (const Child& child : children) {
        EXPECT_TRUE(IsWindowVisible(child.window)) << child.id;
        EXPECT_TRUE(ids.insert(child.id).second) << "identifier used twice: " << child.id;
        if (child.id == kFnInstructions) continue;
        EXPECT_LE(child.id, 511);
        keys.push_back(child);
    }
    EXPECT_EQ(keys.size(), expected.keys);
    EXPECT_EQ(GetDlgItem(picture.get(), kFnInstructions) != nullptr, expected.fnInstructions);

    // Keys that overlap or leave the picture area would be hidden behind each
    // other or cut off, and the operator could not see which are left.
    for (std::size_t i = 0; i < keys.size(); ++i) {
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &keys[i].rect, &area) && EqualRect(&inside, &keys[i].rect))
            << "key " << keys[i].id << " leaves the picture";
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            EXPECT_FALSE(IntersectRect(&inside, &keys[i].rect, &keys[j].rect))
                << "keys " << keys[i].id << " and " << keys[j].id << " overlap";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLayout, ::testing::ValuesIn(kShipped),
                         [](const ::testing::TestParamInfo<Shipped>& shipped) {
                             const std::wstring file = shipped.param.file;
                             return std::string(file.begin(), file.begin() + static_cast<long>(file.find(L'.')));
                         });

}  // namespace
