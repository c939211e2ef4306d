#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "afx/Controls.h"
#include "afx/Dialog.h"
#include "afx/Gdi.h"

namespace {

class CControlsDialog : public CDialog {
public:
    CComboBox m_combo;
    CEdit m_edit;
    CButton m_radioA;
    CButton m_radioB;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_COMBO, m_combo);
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Control(pDX, IDC_RADIO_A, m_radioA);
        DDX_Control(pDX, IDC_RADIO_B, m_radioB);
    }
};

class Controls : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(IDD_HOST)); }
    CControlsDialog dialog;
};

TEST_F(Controls, SortedComboBoxAddsFindsAndSelects) {
    CComboBox& combo = dialog.m_combo;
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.AddString(L"Standard 104"), 0);
    EXPECT_EQ(combo.AddString(L"Compact"), 0);  // sorted in front
    EXPECT_EQ(combo.AddString(kvo::String("Notebook")), 1);
    EXPECT_EQ(combo.GetCount(), 3);

    kvo::String text;
    combo.GetLBText(2, text);
    EXPECT_EQ(text, kvo::String("Standard 104"));
    combo.GetLBText(3, text);
    EXPECT_EQ(text, kvo::String());

    EXPECT_EQ(combo.FindStringExact(0, L"notebook"), 1);  // case does not matter
    EXPECT_EQ(combo.FindStringExact(0, L"Note"), CB_ERR);  // the whole text must match
    EXPECT_EQ(combo.SetCurSel(2), 2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
}

TEST_F(Controls, ComboBoxListOpensAndCloses) {
    dialog.m_combo.AddString(L"one");
    EXPECT_FALSE(dialog.m_combo.GetDroppedState());
    dialog.m_combo.ShowDropDown(TRUE);
    EXPECT_TRUE(dialog.m_combo.GetDroppedState());
    dialog.m_combo.ShowDropDown(FALSE);
    EXPECT_FALSE(dialog.m_combo.GetDroppedState());
}

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
    EXPECT_EQ(end, start);

    edit.LineScroll(-100);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);
    edit.LineScroll(edit.GetLineCount());
    EXPECT_GT(edit.GetFirstVisibleLine(), 10);
}

TEST_F(Controls, RadioButtonsThatAreNotAutomaticKeepTheCheckTheProgramSets) {
    dialog.m_radioA.SetCheck(BST_CHECKED);
    EXPECT_EQ(dialog.m_radioA.GetCheck(), BST_CHECKED);
    EXPECT_EQ(dialog.m_radioB.GetCheck(), BST_UNCHECKED);
    dialog.m_radioB.SendMessage(BM_CLICK);  // a click alone does not check it
    EXPECT_EQ(dialog.m_radioB.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dialog.m_radioA.GetCheck(), BST_CHECKED);
}

TEST_F(Controls, ButtonReportsASizeThatFitsItsText) {
    CButton& button = dialog.m_radioA;
    SIZE shortText{0, 0};
    ASSERT_TRUE(button.GetIdealSize(&shortText));
    button.SetWindowText(L"A much longer label than before");
    SIZE longText{0, 0};
    ASSERT_TRUE(button.GetIdealSize(&longText));
    EXPECT_GT(longText.cx, shortText.cx);
}

TEST_F(Controls, WindowTextAndStateThroughTheWrapper) {
    CWnd* go = dialog.GetDlgItem(IDC_GO);
    kvo::String text;
    go->GetWindowText(text);
    EXPECT_EQ(text, kvo::String("Go"));
    dialog.SetDlgItemText(IDC_GO, L"Start");
    go->GetWindowText(text);
    EXPECT_EQ(text, kvo::String("Start"));
    EXPECT_EQ(go->GetDlgCtrlID(), IDC_GO);
    go->EnableWindow(FALSE);
    EXPECT_FALSE(go->IsWindowEnabled());
    go->ShowWindow(SW_HIDE);
    EXPECT_FALSE(go->IsWindowVisible());

    CRect before;
    go->GetWindowRect(&before);
    dialog.ScreenToClient(&before);
    go->MoveWindow(before.left + 5, before.top, before.Width() + 10, before.Height());
    RECT after;
    go->GetWindowRect(&after);
    dialog.ScreenToClient(&after);
    EXPECT_EQ(CRect(after), CRect(before.left + 5, before.top, before.right + 15, before.bottom));
}

}  // namespace
