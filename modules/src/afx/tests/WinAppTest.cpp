#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "afx/WinApp.h"
#include "afx/Wnd.h"
#include "kvo/Exception.h"

namespace {

class CTestApp : public CWinApp {
public:
    BOOL initResult = TRUE;
    int runs = 0;
    std::wstring commandLineSeen;

    BOOL InitInstance() override {
        commandLineSeen = m_lpCmdLine;
        return initResult;
    }
    int Run() override {
        ++runs;
        return 23;
    }
};

TEST(WinApp, EntryRunsInitInstanceThenRunAndReturnsItsCode) {
    const struct {
        BOOL initResult;
        int exitCode, runs;
    } cases[] = {{TRUE, 23, 1}, {FALSE, 0, 0}};
    for (const auto& c : cases) {
        CTestApp app;
        app.initResult = c.initResult;
        wchar_t commandLine[] = L"/test Simple";
        EXPECT_EQ(afx::WinMain(::GetModuleHandleW(nullptr), commandLine, SW_SHOW), c.exitCode);
        EXPECT_EQ(app.runs, c.runs);
        EXPECT_EQ(app.commandLineSeen, L"/test Simple");
        EXPECT_EQ(AfxGetApp(), &app);
    }
}

TEST(WinApp, OnlyOneApplicationObject) {
    CTestApp first;
    EXPECT_THROW(CTestApp second, kvo::AssertionFailure);
    EXPECT_EQ(AfxGetApp(), &first);
}

TEST(WinApp, WithoutApplicationTheResourcesAreTheProgramsOwn) {
    ASSERT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleW(nullptr));
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleW(nullptr));
    wchar_t commandLine[] = L"";
    EXPECT_EQ(afx::WinMain(::GetModuleHandleW(nullptr), commandLine, SW_SHOW), -1);
}

TEST(WinApp, DefaultRunEndsAtOnceWithoutMainWindowElseAtQuit) {
    CWinApp app;
    EXPECT_EQ(app.Run(), 0);
    CWnd mainWindow;
    ASSERT_TRUE(mainWindow.Attach(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                    nullptr, nullptr)));
    app.m_pMainWnd = &mainWindow;
    ::PostQuitMessage(5);
    EXPECT_EQ(app.Run(), 5);
}

}  // namespace
