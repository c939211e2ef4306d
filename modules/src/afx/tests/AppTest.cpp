// The application object, the entry point, and creating objects by class.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afx/Controls.h"
#include "afx/Dialog.h"
#include "afx/WinApp.h"
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
    int Run() override { return ++runs, 23; }
};

TEST(WinApp, TheEntryRunsInitInstanceThenRunAndReturnsItsCodeForTheOneApplication) {
    wchar_t commandLine[] = L"/test Simple";
    EXPECT_EQ(afx::WinMain(::GetModuleHandleW(nullptr), commandLine, SW_SHOW), -1);  // no application yet
    for (BOOL initResult : {TRUE, FALSE}) {
        CTestApp app;
        app.initResult = initResult;
        EXPECT_EQ(afx::WinMain(::GetModuleHandleW(nullptr), commandLine, SW_SHOW), initResult ? 23 : 0);
        EXPECT_EQ(app.runs, initResult ? 1 : 0);
        EXPECT_EQ(app.commandLineSeen, L"/test Simple");
        EXPECT_THROW(CTestApp second, kvo::AssertionFailure);
        EXPECT_EQ(AfxGetApp(), &app);
    }
}

int g_livePages = 0;

class CPageA : public CDialog {
    DECLARE_DYNCREATE(CPageA)
public:
    CPageA() { ++g_livePages; }
    ~CPageA() override { --g_livePages; }
};
IMPLEMENT_DYNCREATE(CPageA, CDialog)

class CPageB : public CPageA {
    DECLARE_DYNCREATE(CPageB)
};
IMPLEMENT_DYNCREATE(CPageB, CPageA)

// An object of exactly the named class, or nothing: not for a class that is
// not DYNCREATE, nor as a type its objects are not (without leaking the try).
TEST(RuntimeClass, CreatesAnObjectOfExactlyTheNamedClassOrNothing) {
    std::unique_ptr<CObject> b(RUNTIME_CLASS(CPageB)->CreateObject());
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(b->GetRuntimeClass()->m_lpszClassName, "CPageB");
    EXPECT_EQ(RUNTIME_CLASS(CDialog)->CreateObject(), nullptr);
    EXPECT_NE(RUNTIME_CLASS(CPageA)->CreateObjectAs<CDialog>(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CPageA)->CreateObjectAs<CButton>(), nullptr);
    b.reset();
    EXPECT_EQ(g_livePages, 0);
}

}  // namespace
