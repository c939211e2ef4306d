// One run against fakes: the device check, the keyboard managers stopped
// for the dialog and started again on every way out, the input environment
// of each kind of test, and what each ending of the dialog leaves behind.
#include "run/KeyboardInteractiveTest.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "mediacenter/MediaCenterKeyboardTest.h"
#include "registration/ModuleParameters.h"
#include "registration/ModuleRegistration.h"
#include "kvo/Exception.h"
#include "system/testing/FakeInputMethodSystem.h"
#include "system/testing/FakeKeyboardInput.h"
#include "system/testing/FakeProcessSystem.h"
#include "system/testing/FakeRegistrySystem.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;
using Result = vemo5::TestResult;

namespace {

HINSTANCE g_instance = nullptr;

struct FakeDialog {  // fails with the system's reason, or ends with FAIL as its own result
    INT_PTR answer;
    INT_PTR DoModal() { return ::SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND), answer; }
    Result getResult() const { return Result::FAIL(); }
};

class RunTestTest : public ::testing::Test {
protected:
    RunTestTest() {
        if (!parameterHandle(ParameterId::bSuppressKbManagerParam)) CreateModuleParameters();
        suppressManagers(true);
        g_instance = ::GetModuleHandleW(nullptr);
        registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\hotkey.exe");
        registry.values[L"TPKMAPMN"] = FakeRegistrySystem::text(L"C:\\Tools\\keymap.exe");
        processes.processes = {{10, L"hotkey.exe"}, {11, L"keymap.exe"}};
    }
    ~RunTestTest() override { suppressManagers(false); }
    static void suppressManagers(bool on) { (void)parameterHandle(ParameterId::bSuppressKbManagerParam)->setValue(on ? "1" : "0"); }
    Result run(TestKind kind, const ShowDialog& show, vemo5::DeviceCapability device = vemo5::DeviceCapability::Keyboard()) {
        RunSystems systems{managers, ime, keyboard, [] { return g_instance; }};
        return runTest(vemo5::DiagDevice(device), kind, systems, show);
    }
    std::vector<std::string> logged() { return logLines(capture, "kvorkeyboard.KeyboardInteractiveTest"); }

    FakeRegistrySystem registry;
    FakeProcessSystem processes;
    KbManagerSystem managers{registry, processes};
    FakeInputMethodSystem ime;
    FakeKeyboardInput keyboard;
    kvo::ScopedLogCapture capture{1};
};

// Both managers are stopped while the dialog shows and started again, in
// reverse order, however it ends. An exception's own message and stack are
// logged before the texts below; only their levels are compared.
TEST_F(RunTestTest, EachEndingOfTheDialog) {
    using Show = std::function<void(Result&)>;
    const auto modal = [](INT_PTR answer) -> Show { return [answer](Result& r) { FakeDialog d{answer}; runModal(d, r); }; };
    const Show kvoException = [](Result&) { throw kvo::NullPointer("page"); };
    const Show foreign = [](Result& r) { r = Result::PASS(); throw std::runtime_error("x"); };
    const struct { TestKind kind; Show show; Result result; std::vector<std::string> log; } rows[] = {
        {TestKind::Interactive, modal(IDCANCEL), Result::FAIL(), {}},
        {TestKind::MediaCenter, modal(-1), Result::INTERNALERROR(), {"4:Failed to load dialog!", "1:with error code 1814"}},
        {TestKind::Interactive, kvoException, Result::INTERNALERROR(),
         {"4:", "4:", "1:Shutting down GDI+", "1:Removing keyboard hook"}},
        {TestKind::MediaCenter, kvoException, Result::INTERNALERROR(), {"1:", "1:"}},
        {TestKind::Interactive, foreign, Result::PASS(), {"4:Exception caught!  Removing hook and shutting down GDI+!"}},
        {TestKind::MediaCenter, foreign, Result::PASS(), {"4:Unknown exception caught!  Removing hook and shutting down GDI+!"}},
    };
    for (const auto& row : rows) {
        capture.sink().clear(), processes.started.clear();
        EXPECT_EQ(run(row.kind, [&](Result& r) { EXPECT_TRUE(processes.processes.empty()); row.show(r); }), row.result);
        std::vector<std::string> log = logged();
        for (std::size_t i = 0; i < log.size() && i < row.log.size(); ++i)
            if (row.log[i].size() == 2) log[i].resize(2);
        EXPECT_EQ(log, row.log);
        EXPECT_EQ(processes.started, (std::vector<std::wstring>{L"C:\\Tools\\keymap.exe", L"C:\\Tools\\hotkey.exe"}));
    }
}

TEST_F(RunTestTest, RunsThatEndBeforeTheirDialog) {
    bool shown = false;
    const ShowDialog show = [&](Result&) { shown = true; };
    for (const auto& [kind, line] : {std::pair{TestKind::Interactive, 112}, std::pair{TestKind::MediaCenter, 236}}) {
        try {
            run(kind, show, vemo5::DeviceCapability::KeyboardTest()), ADD_FAILURE() << "no assertion";
        } catch (const kvo::AssertionFailure& e) { EXPECT_EQ(assertedLine(e), line); }
    }
    EXPECT_TRUE(processes.terminated.empty());
    g_instance = nullptr;  // no application object
    EXPECT_EQ(run(TestKind::Interactive, show), Result::INTERNALERROR());
    EXPECT_FALSE(shown);
}

// Without the parameter the managers are left alone. The media-centre test
// moves a German user to the US variant of the active layout, the bare US
// one when the active one cannot be named; the interactive tests do not.
TEST_F(RunTestTest, TheParameterAndEachKindsLayout) {
    suppressManagers(false);
    ime.userLanguage = 0x0407, keyboard.layoutName = L"00010407";
    for (TestKind kind : {TestKind::Interactive, TestKind::MediaCenter}) run(kind, [](Result&) {});
    keyboard.layoutName.clear();
    run(TestKind::MediaCenter, [](Result&) {});
    EXPECT_EQ(keyboard.loadedLayouts, (std::vector<std::wstring>{L"00010409", L"0409"}));
    EXPECT_EQ(logged(), std::vector<std::string>{"3:Error getting Keyboard Layout Name"});
    EXPECT_TRUE(processes.terminated.empty());
}

// Presses the Windows key once the dialog runs; closes the dialog if that did not end it within 10 s.
void CALLBACK pressWindowsKey(HWND, UINT, UINT_PTR, DWORD) {
    static int ticks = 0;
    INPUT input{INPUT_KEYBOARD, {}};
    input.ki = {VK_LWIN, 0, 0, 0, 0};
    if (++ticks == 1) SendInput(1, &input, sizeof input);
    if (ticks == 100) PostMessageW(GetActiveWindow(), WM_CLOSE, 0, 0);
}
// Naming any key fails.
struct BrokenKeyboard : FakeKeyboardInput { HKL getKeyboardLayout(DWORD) override { throw kvo::NullPointer("no keyboard layout"); } };

TEST_F(RunTestTest, AnExceptionInsideTheRealKeyboardHookEndsTheTest) {
    RegisterTestsAndEvents({KeyboardInteractiveTestRun, KeyboardLayoutTestRun, SimpleKeyboardTestRun,
                            MediaCenterKeyboardTestRun});
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, pressWindowsKey);
    BrokenKeyboard broken;
    EXPECT_EQ(run(TestKind::MediaCenter,
                  [&](Result& result) {
                      CMediaCenterKeyboardTest dialog(nullptr, broken);
                      runModal(dialog, result);
                  }),
              Result::INTERNALERROR());
    KillTimer(nullptr, timer);
    EXPECT_NE(logged().at(0).find("no keyboard layout"), std::string::npos);
}

}  // namespace
