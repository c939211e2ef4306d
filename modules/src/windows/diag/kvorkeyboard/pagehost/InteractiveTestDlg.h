#pragma once
// The modal frame in which the simple and layout tests run. It owns the
// verdict buttons, the instructions and the status lines, hosts one test
// page at a time in its test area, and turns the page's requests and the
// operator's clicks into the test result.
//
// Chooser mode lets the operator switch pages with two radio buttons; in
// single-test mode a keyboard picture stands in their place.
#include "KvoControls/KVOLangExt.h"
#include "KvoControls/PngControl.h"
#include "afx/Dialog.h"
#include "pagehost/TestPages.h"
#include "page/KeyboardTest.h"
#include "vemo5/Types.h"

#include <memory>

class CInteractiveTestDlg : public CDialog, public KVOLangExt {
public:
    // testId 0 opens on the page that "szDefaultTestToShow" names.
    CInteractiveTestDlg(CWnd* pParent, UINT testId, bool chooserMode);
    ~CInteractiveTestDlg() override;

    void PreSubclassWindow() override;
    vemo5::TestResult getResult() const { return m_result; }
    // Replaces the hosted page; an unknown id leaves the test area empty.
    void showTest(UINT testId);
    // Widens Pass, Fail and Cancel to fit their translated texts.
    void adjustButtonWidths();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnDestroy();
    void OnClose();
    HCURSOR OnQueryDragIcon();
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void passTest();
    void failTest();
    void abortTest();
    template <void (CInteractiveTestDlg::*Action)()>
    LRESULT onRequest(WPARAM wParam, LPARAM lParam);
    template <int nButtonId>
    LRESULT onEnableButton(WPARAM wParam, LPARAM lParam);
    template <int nButtonId>
    LRESULT onShowButton(WPARAM wParam, LPARAM lParam);
    template <int nRadioId>
    void onChooseTest();
    void destroyCurrentTest();
    void focusInstructions();

    HICON m_hIcon;
    vemo5::TestResult m_result = vemo5::TestResult::INTERNALERROR();
    std::unique_ptr<CKeyboardTest> m_pCurrentTest;
    int m_nSelectedRadio = 0;  // the radio of the current page; 0 when none
    UINT m_nTestId;
    bool m_bChooserMode;
    PngControl m_keyboardPicture;
};
