// The control behaviours the module's dialogs rely on.
#include <gtest/gtest.h>

#include "HostDialog.h"
#include "afx/Gdi.h"

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(IDD_HOST)); }
    CHostDialog dialog;
};

// The layout chooser: sorted names, found whole and without regard to case.
TEST_F(Controls, SortedComboBoxFindsWholeNamesInAnyCase) {
    CComboBox& combo = dialog.m_combo;
    EXPECT_EQ(combo.AddString(L"Standard 104"), 0);
    EXPECT_EQ(combo.AddString(L"Compact"), 0);
    EXPECT_EQ(combo.AddString(kvo::String("Notebook")), 1);
    kvo::String text;
    combo.GetLBText(2, text);
    EXPECT_EQ(text, kvo::String("Standard 104"));
    combo.GetLBText(3, text);
    EXPECT_EQ(text, kvo::String());
    EXPECT_EQ(combo.FindStringExact(0, L"notebook"), 1);
    EXPECT_EQ(combo.FindStringExact(0, L"Note"), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.ShowDropDown(TRUE);
    EXPECT_TRUE(combo.GetDroppedState());
}

// The key history: appended at the end, scrolled to the last line.
TEST_F(Controls, EditAppendsAtTheEndAndScrollsToTheLastLine) {
    CEdit& edit = dialog.m_edit;
    edit.SetWindowText(L"A");
    for (int i = 0; i < 20; ++i) {
        const int end = edit.GetWindowTextLength();
        edit.SetSel(end, end);
        edit.ReplaceSel(L"\r\nB");
    }
    EXPECT_EQ(edit.GetLineCount(), 21);
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, edit.GetWindowTextLength());
    edit.LineScroll(edit.GetLineCount());
    EXPECT_GT(edit.GetFirstVisibleLine(), 10);
}

// The lamps are radio buttons the program alone checks.
TEST_F(Controls, RadioButtonsThatAreNotAutomaticIgnoreClicks) {
    dialog.m_radioA.SetCheck(BST_CHECKED);
    dialog.m_radioB.SendMessage(BM_CLICK);
    EXPECT_EQ(dialog.m_radioB.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dialog.m_radioA.GetCheck(), BST_CHECKED);
}

TEST_F(Controls, ButtonsAreSizedToTheirTextAndMovedInClientCoordinates) {
    CButton& button = dialog.m_radioA;
    SIZE shortText{0, 0};
    SIZE longText{0, 0};
    ASSERT_TRUE(button.GetIdealSize(&shortText));
    button.SetWindowText(L"A much longer label than before");
    ASSERT_TRUE(button.GetIdealSize(&longText));
    EXPECT_GT(longText.cx, shortText.cx);

    CWnd* go = dialog.GetDlgItem(IDC_GO);
    CRect before;
    go->GetWindowRect(&before);
    dialog.ScreenToClient(&before);
    go->MoveWindow(before.left + 5, before.top, before.Width() + 10, before.Height());
    CRect after;
    go->GetWindowRect(&after);
    dialog.ScreenToClient(&after);
    EXPECT_EQ(after, CRect(before.left + 5, before.top, before.right + 15, before.bottom));
}

}  // namespace
