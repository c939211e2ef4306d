#pragma once
// A frame that posts a script of messages to itself, or to its page, once
// it is initialised, so that a modal run can be driven without a second thread.
#include <utility>
#include <vector>

#include "chooser/InteractiveTestDlg.h"
#include "res/InteractiveTestDlgRes.h"

class ScriptedDlg : public CInteractiveTestDlg {
public:
    struct Step {
        UINT message;
        WPARAM wParam;
        bool toPage;
    };
    ScriptedDlg(UINT testId, std::vector<Step> script,
                const kvorkeyboard::TestPages& pages = kvorkeyboard::moduleTestPages())
        : CInteractiveTestDlg(nullptr, testId, false, pages), m_script(std::move(script)) {}

    BOOL OnInitDialog() override {
        const BOOL result = CInteractiveTestDlg::OnInitDialog();
        for (const Step& step : m_script) {
            const HWND target = step.toPage ? ::GetWindow(GetDlgItem(IDC_TEST_AREA)->m_hWnd, GW_CHILD) : m_hWnd;
            ::PostMessageW(target, step.message, step.wParam, 0);
        }
        return result;
    }

private:
    std::vector<Step> m_script;
};
