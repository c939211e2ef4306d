#include <gtest/gtest.h>

#include <cwchar>

#include "ControlsTestDialogs.h"
#include "KvoControls/KVOControls.h"
#include "afx/Dialog.h"

namespace {

class CLanguageDialog : public CDialog, public KVOLangExt {
public:
    CLanguageDialog() : CDialog(IDD_CONTROLS) {}
    int preSubclassCalls = 0;
    KVOStatic m_label;
    KVOEdit m_text;
    KVOButton m_button;

    void PreSubclassWindow() override {
        CDialog::PreSubclassWindow();
        ++preSubclassCalls;
        KVOLangExt::PreSubclassWindow(this);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_LABEL, m_label);
        DDX_Control(pDX, IDC_TEXT, m_text);
        DDX_Control(pDX, IDC_BUTTON, m_button);
    }
};

HFONT fontOf(HWND window) { return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)); }

LOGFONTW logFontOf(HWND window) {
    LOGFONTW logFont{};
    ::GetObjectW(fontOf(window), sizeof(logFont), &logFont);
    return logFont;
}

class KVOLangExtTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(IDD_CONTROLS)); }
    CLanguageDialog dialog;
};

TEST_F(KVOLangExtTest, DialogAndControlsAreAttachedThroughTheMixIn) {
    EXPECT_EQ(dialog.preSubclassCalls, 1);
    EXPECT_EQ(dialog.GetDlgItem(IDC_TEXT), &dialog.m_text);
    EXPECT_EQ(dialog.m_label.GetRuntimeClass(), RUNTIME_CLASS(CStatic));
}

TEST_F(KVOLangExtTest, EastAsianLanguageChangesTheFamilyButKeepsTheSize) {
    const LOGFONTW before = logFontOf(dialog.m_text.m_hWnd);
    ASSERT_TRUE(KVOLangExt::applyLanguageFont(&dialog, vemo5::Language::ja()));
    const LOGFONTW after = logFontOf(dialog.m_text.m_hWnd);
    // Wine has no "MS UI Gothic"; Windows has.
    EXPECT_TRUE(std::wcscmp(after.lfFaceName, L"MS UI Gothic") == 0 || std::wcscmp(after.lfFaceName, L"MS Shell Dlg") == 0)
        << "got family of " << after.lfFaceName[0];
    EXPECT_EQ(after.lfHeight, before.lfHeight);
    EXPECT_EQ(after.lfWeight, before.lfWeight);
    EXPECT_EQ(fontOf(dialog.m_label.m_hWnd), fontOf(dialog.m_button.m_hWnd));

    // The same font serves every window that asks for it: no font per window.
    CLanguageDialog second;
    ASSERT_TRUE(second.Create(IDD_CONTROLS));
    ASSERT_TRUE(KVOLangExt::applyLanguageFont(&second, vemo5::Language::ja()));
    EXPECT_EQ(fontOf(second.m_text.m_hWnd), fontOf(dialog.m_text.m_hWnd));
}

TEST_F(KVOLangExtTest, OtherLanguagesLeaveTheTemplateFont) {
    const HFONT before = fontOf(dialog.m_text.m_hWnd);
    EXPECT_FALSE(KVOLangExt::applyLanguageFont(&dialog, vemo5::Language::en()));
    EXPECT_FALSE(KVOLangExt::applyLanguageFont(nullptr, vemo5::Language::ja()));
    EXPECT_EQ(fontOf(dialog.m_text.m_hWnd), before);
}

}  // namespace
