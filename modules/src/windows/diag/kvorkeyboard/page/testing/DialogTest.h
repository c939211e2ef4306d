#pragma once
// What the tests of the dialogs share: the module's start-up as the host
// would have run it, fakes behind the keyboard hooks, a log to read the
// host's events from, and a frame to host a page in.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "afx/Dialog.h"
#include "afx/ScopedGdiplus.h"
#include "page/FrameMessages.h"
#include "registration/LocalizedStrings.h"
#include "registration/ModuleParameters.h"
#include "registration/ModuleRegistration.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "kvo/Logging.h"
#include "res/InteractiveTestDlgRes.h"

namespace kvorkeyboard::testing {

using Request = std::pair<UINT, WPARAM>;

class DialogTest : public ::testing::Test {
protected:
    static vemo5::TestResult runNothing(const vemo5::DiagDevice&) { return vemo5::TestResult::INTERNALERROR(); }
    static void SetUpTestSuite() {
        RegisterTestsAndEvents({runNothing, runNothing, runNothing, runNothing});
        CreateLocalizedStrings();
        CreateModuleParameters();
    }
    void SetUp() override { ASSERT_TRUE(gdiplus.ok()); }
    static void setParameter(ParameterId id, const char* value) { ASSERT_TRUE(parameterHandle(id)->setValue(value)); }
    // How often the host was given `event` from `source` with this site code:
    // outside a host run it logs each one. The message is the bare source name.
    int raised(const vemo5::Event* event, const std::string& source, int code) {
        int count = 0;
        for (const auto& entry : log.sink().entries())
            count += entry.message.find(event->name()) != std::string::npos &&
                     entry.message.find(": " + source + " (" + std::to_string(code) + ")") != std::string::npos;
        return count;
    }

    afx::GdiplusSession gdiplus;
    ScopedHookEnvironment env;
    kvo::ScopedLogCapture log{1};
};

// A page inside the frame's template, the way the frame hosts it.
template <typename Page>
class HostedPageTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(frame.Create(IDD_INTERACTIVE_TEST));
    }
    // Every page fills the frame's test area.
    void open(UINT templateId) {
        page = std::make_unique<Page>();
        ASSERT_TRUE(page->Create(templateId, frame.GetDlgItem(IDC_TEST_AREA)));
        page->ShowWindow(SW_SHOW);
        RECT area, hosted;
        GetClientRect(frame.GetDlgItem(IDC_TEST_AREA)->m_hWnd, &area);
        GetClientRect(page->m_hWnd, &hosted);
        EXPECT_TRUE(EqualRect(&area, &hosted));
    }
    // What the page asked of the frame since the last look, in order.
    std::vector<Request> requests() {
        std::vector<Request> posted;
        MSG msg;
        while (PeekMessageW(&msg, frame.m_hWnd, WM_TEST_PASS, WM_TEST_FOCUS_INSTRUCTIONS, PM_REMOVE))
            posted.push_back({msg.message, msg.wParam});
        return posted;
    }

    CDialog frame;
    std::unique_ptr<Page> page;
};

inline bool visible(const CWnd* window) { return (GetWindowLongW(window->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }

}  // namespace kvorkeyboard::testing
