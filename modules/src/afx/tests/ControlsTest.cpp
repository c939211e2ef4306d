// The controls forward to their messages; what is tested here is what they
// add and what the module's dialogs rely on.
#include <gtest/gtest.h>

#include "HostDialog.h"

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(IDD_HOST)); }
    CHostDialog dialog;
};

TEST_F(Controls, ComboBoxItemTextOrNothingPastTheEnd) {
    dialog.m_combo.AddString(L"Standard 104");
    dialog.m_combo.AddString(kvo::String("Compact \xC3\xA4"));
    kvo::String text;
    dialog.m_combo.GetLBText(0, text);
    EXPECT_EQ(text, kvo::String("Compact \xC3\xA4"));
    dialog.m_combo.GetLBText(2, text);
    EXPECT_EQ(text, kvo::String());
}

// The key history appends at the end and must show its last line. (Under
// Wine EM_SETSEL scrolls by itself, so SetSel's own EM_SCROLLCARET shows only
// on Windows.)
TEST_F(Controls, EditShowsTheLastLineAfterAppendingAtTheEnd) {
    CEdit& edit = dialog.m_edit;
    for (int i = 0; i < 20; ++i) {
        const int end = edit.GetWindowTextLength();
        edit.SetSel(end, end);
        edit.ReplaceSel(L"B\r\n");
    }
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, edit.GetWindowTextLength());
    EXPECT_EQ(end, start);
    EXPECT_GT(edit.GetFirstVisibleLine(), 10);
}

}  // namespace
