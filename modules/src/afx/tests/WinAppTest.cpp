#include <gtest/gtest.h>

#include "afx/WinApp.h"
#include "kvo/Exception.h"

using namespace std::string_literals;

class CTestApp : public CWinApp {
public:
    BOOL initResult = TRUE;
    int runs = 0;
    std::wstring commandLineSeen;

    BOOL InitInstance() override { return commandLineSeen = m_lpCmdLine, initResult; }
    int Run() override { return ++runs, 23; }
};

// The entry runs InitInstance, then Run unless InitInstance refused; there
// is one application object, and no entry without one.
TEST(WinApp, TheEntryRunsInitInstanceThenRunAndReturnsItsCodeForTheOneApplication) {
    wchar_t commandLine[] = L"/test Simple";
    EXPECT_EQ(afx::WinMain(::GetModuleHandleW(nullptr), commandLine), -1);
    for (BOOL initResult : {TRUE, FALSE}) {
        CTestApp app;
        app.initResult = initResult;
        EXPECT_EQ(afx::WinMain(::GetModuleHandleW(nullptr), commandLine), initResult ? 23 : 0);
        EXPECT_EQ(std::make_pair(app.runs, app.commandLineSeen), std::make_pair(initResult ? 1 : 0, L"/test Simple"s));
        EXPECT_THROW(CTestApp second, kvo::AssertionFailure);
        EXPECT_EQ(AfxGetApp(), &app);
    }
}
