#include "keypress/KeyPressFamily.h"

#include <gtest/gtest.h>

#include <string>

using namespace kvorkeyboard;

TEST(KeyPressFamilyTest, OnlyKoreanAndJapaneseLeaveTheDialogFamily) {
    const struct {
        vemo5::Language language;
        const wchar_t* family;
    } cases[] = {
        {vemo5::Language::ko(), L"Gulim"},           {vemo5::Language::ja(), L"MS UI Gothic"},
        {vemo5::Language::zh_cn(), L"MS Shell Dlg"}, {vemo5::Language::zh_tw(), L"MS Shell Dlg"},
        {vemo5::Language::en(), L"MS Shell Dlg"},    {vemo5::Language::de(), L"MS Shell Dlg"},
        {vemo5::Language("xx"), L"MS Shell Dlg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(keyPressFamilyName(keyPressFamily(c.language))), c.family) << c.language.code();
}
