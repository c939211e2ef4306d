#include "run/DialogRun.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "kvo/Exception.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;

namespace {

// Records the order of every clean-up step.
std::vector<std::string> g_steps;

class FakeGdiplus : public GdiplusRuntime {
public:
    ULONG_PTR startup() override {
        g_steps.push_back("gdiplus up");
        return 42;
    }
    void shutdown(ULONG_PTR token) override { g_steps.push_back("gdiplus down " + std::to_string(token)); }
};

struct FakeDialog {
    INT_PTR modalAnswer;
    vemo5::TestResult result;
    DWORD lastError = 0;
    INT_PTR DoModal() {
        ::SetLastError(lastError);
        return modalAnswer;
    }
    vemo5::TestResult getResult() const { return result; }
};

class DialogRunTest : public ::testing::Test {
protected:
    void SetUp() override { g_steps.clear(); }

    vemo5::TestResult run(EscapeReport report, const ShowDialog& show) {
        return runGuardedDialog(vemo5::TestResult::INTERNALERROR(), report, gdiplus, show);
    }
    std::vector<std::string> messages() {
        return kvorkeyboard::testing::logLines(capture, "kvorkeyboard.KeyboardInteractiveTest");
    }

    kvo::ScopedLogCapture capture{1};
    FakeGdiplus gdiplus;
};

}  // namespace

TEST_F(DialogRunTest, TheDialogsOwnResultCountsWhateverDoModalAnswered) {
    for (INT_PTR answer : {INT_PTR{IDOK}, INT_PTR{IDCANCEL}, INT_PTR{0}}) {
        FakeDialog dialog{answer, vemo5::TestResult::FAIL()};
        EXPECT_EQ(run(EscapeReport::Interactive, [&](vemo5::TestResult& r) { runModal(dialog, r); }),
                  vemo5::TestResult::FAIL());
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(DialogRunTest, ADialogThatCannotBeCreatedLeavesInternalErrorAndTheReason) {
    FakeDialog dialog{-1, vemo5::TestResult::PASS(), ERROR_RESOURCE_NAME_NOT_FOUND};
    EXPECT_EQ(run(EscapeReport::MediaCenter, [&](vemo5::TestResult& r) { runModal(dialog, r); }),
              vemo5::TestResult::INTERNALERROR());
    EXPECT_EQ(messages(), (std::vector<std::string>{"4:Failed to load dialog!", "1:with error code 1814"}));
    EXPECT_EQ(g_steps, (std::vector<std::string>{"gdiplus up", "gdiplus down 42"}));
}

TEST_F(DialogRunTest, RuntimeExceptionInAnInteractiveTest) {
    const auto result = run(EscapeReport::Interactive,
                            [](vemo5::TestResult&) { throw kvo::NullPointer("page"); });
    EXPECT_EQ(result, vemo5::TestResult::INTERNALERROR());
    const auto texts = messages();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_NE(texts[0].find("4:"), std::string::npos);
    EXPECT_NE(texts[0].find("page"), std::string::npos);
    EXPECT_EQ(texts[1].rfind("4:", 0), 0u);  // the stack trace
    EXPECT_EQ(texts[2], "1:Shutting down GDI+");
    EXPECT_EQ(texts[3], "1:Removing keyboard hook");
    EXPECT_EQ(g_steps, (std::vector<std::string>{"gdiplus up", "gdiplus down 42"}));
}

TEST_F(DialogRunTest, RuntimeExceptionInTheMediaCentreTestIsLoggedAtLevelOne) {
    run(EscapeReport::MediaCenter, [](vemo5::TestResult&) { throw kvo::NullPointer("display"); });
    const auto texts = messages();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("1:", 0), 0u);
    EXPECT_NE(texts[0].find("display"), std::string::npos);
    EXPECT_EQ(texts[1].rfind("1:", 0), 0u);
    EXPECT_EQ(g_steps, (std::vector<std::string>{"gdiplus up", "gdiplus down 42"}));
}

TEST_F(DialogRunTest, ForeignExceptionsAreNamedByTheirTest) {
    const auto foreign = [](vemo5::TestResult&) { throw std::runtime_error("x"); };
    run(EscapeReport::Interactive, foreign);
    run(EscapeReport::MediaCenter, foreign);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "4:Exception caught!  Removing hook and shutting down GDI+!",
                              "4:Unknown exception caught!  Removing hook and shutting down GDI+!"}));
    EXPECT_EQ(g_steps, (std::vector<std::string>{"gdiplus up", "gdiplus down 42", "gdiplus up", "gdiplus down 42"}));
}

TEST_F(DialogRunTest, AResultTakenBeforeTheDialogThrewInItsDestructorIsKept) {
    const auto result = run(EscapeReport::Interactive, [](vemo5::TestResult& r) {
        r = vemo5::TestResult::PASS();
        throw std::runtime_error("destructor");
    });
    EXPECT_EQ(result, vemo5::TestResult::PASS());
}
