#include "run/KeyboardInteractiveTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/ScopedGdiplus.h"
#include "dialogs/MediaCenterKeyboardTest.h"
#include "frame/ModuleParameters.h"
#include "frame/ModuleRegistration.h"
#include "kvo/Exception.h"
#include "system/testing/FakeInputMethodSystem.h"
#include "system/testing/FakeKeyboardInput.h"
#include "system/testing/FakeProcessSystem.h"
#include "system/testing/FakeRegistrySystem.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeInputMethodSystem;
using kvorkeyboard::testing::FakeKeyboardInput;
using kvorkeyboard::testing::FakeProcessSystem;
using kvorkeyboard::testing::FakeRegistrySystem;

namespace {

class CountingGdiplus : public GdiplusRuntime {
public:
    int started = 0;
    int shutDown = 0;
    ULONG_PTR startup() override { return ++started; }
    void shutdown(ULONG_PTR) override { ++shutDown; }
};

HINSTANCE g_instance = nullptr;
HINSTANCE instance() { return g_instance; }

void setSuppressKbManagers(bool suppress) {
    ASSERT_TRUE(parameterHandle(ParameterId::bSuppressKbManagerParam)->setValue(suppress ? "true" : "false"));
}

class RunTestTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CreateModuleParameters(); }

    void SetUp() override {
        g_instance = ::GetModuleHandleW(nullptr);
        setSuppressKbManagers(false);
    }
    void TearDown() override { setSuppressKbManagers(false); }

    vemo5::TestResult run(TestKind kind, const ShowDialog& show,
                          const vemo5::DiagDevice& device = keyboardDevice()) {
        return runTest(device, kind, systems, show);
    }
    static vemo5::DiagDevice keyboardDevice() {
        return vemo5::DiagDevice("keyboard", vemo5::DeviceCapability::KeyboardTest() | vemo5::DeviceCapability::Keyboard());
    }
    static ShowDialog answering(vemo5::TestResult verdict, bool* shown = nullptr) {
        return [verdict, shown](vemo5::TestResult& result) {
            if (shown) *shown = true;
            result = verdict;
        };
    }
    // Two running instances of each manager, registered under its Run entry.
    void installManagers() {
        registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\hotkey.exe");
        registry.values[L"TPKMAPMN"] = FakeRegistrySystem::text(L"C:\\Tools\\keymap.exe");
        processes.add(10, L"hotkey.exe");
        processes.add(11, L"keymap.exe");
    }

    kvo::ScopedLogCapture capture{1};
    FakeRegistrySystem registry;
    FakeProcessSystem processes;
    KbManagerSystem kbManagers{registry, processes};
    FakeInputMethodSystem inputMethod;
    FakeKeyboardInput keyboard;
    CountingGdiplus gdiplus;
    RunSystems systems{kbManagers, inputMethod, keyboard, gdiplus, instance};
};

}  // namespace

TEST_F(RunTestTest, ADeviceWithoutAKeyboardStopsTheRunBeforeAnythingIsTouched) {
    setSuppressKbManagers(true);
    installManagers();
    bool shown = false;
    const vemo5::DiagDevice mouse("mouse", vemo5::DeviceCapability::KeyboardTest());
    for (const auto& [kind, line] : {std::pair{TestKind::Interactive, 112}, std::pair{TestKind::MediaCenter, 236}}) {
        try {
            run(kind, answering(vemo5::TestResult::PASS(), &shown), mouse);
            ADD_FAILURE() << "no assertion";
        } catch (const kvo::AssertionFailure& e) {
            EXPECT_EQ(e.getExpression(), "device.intersectCapability(vemo5::DeviceCapability::Keyboard())");
            EXPECT_EQ(e.getLine(), line);
        }
    }
    EXPECT_FALSE(shown);
    EXPECT_TRUE(registry.openedPath.empty());
    EXPECT_TRUE(processes.calls.empty());
    EXPECT_EQ(gdiplus.started, 0);
}

TEST_F(RunTestTest, ManagersAreStoppedOnlyWhenAskedAndRestartAfterTheDialogInReverseOrder) {
    installManagers();
    EXPECT_EQ(run(TestKind::Interactive, answering(vemo5::TestResult::PASS())), vemo5::TestResult::PASS());
    EXPECT_TRUE(registry.openedPath.empty());
    EXPECT_TRUE(processes.calls.empty());
    EXPECT_EQ(gdiplus.shutDown, 1);

    setSuppressKbManagers(true);
    bool bothStoppedDuringTheDialog = false;
    EXPECT_EQ(run(TestKind::Interactive,
                  [&](vemo5::TestResult& result) {
                      bothStoppedDuringTheDialog = !processes.running(10) && !processes.running(11);
                      result = vemo5::TestResult::FAIL();
                  }),
              vemo5::TestResult::FAIL());
    EXPECT_TRUE(bothStoppedDuringTheDialog);
    EXPECT_EQ(processes.commandLines, (std::vector<std::wstring>{L"C:\\Tools\\keymap.exe", L"C:\\Tools\\hotkey.exe"}));
}

TEST_F(RunTestTest, RunsThatEndBeforeTheirDialogStillRestartWhatWasStopped) {
    setSuppressKbManagers(true);
    installManagers();
    registry.values[L"TPKMAPMN"] = FakeRegistrySystem::text(L"%TOOLS%\\keymap.exe", REG_EXPAND_SZ);
    bool shown = false;
    EXPECT_EQ(run(TestKind::MediaCenter, answering(vemo5::TestResult::PASS(), &shown)),
              vemo5::TestResult::INTERNALERROR());
    EXPECT_FALSE(shown);
    EXPECT_EQ(gdiplus.started, 0);
    EXPECT_EQ(processes.commandLines, (std::vector<std::wstring>{L"C:\\Tools\\hotkey.exe"}));

    g_instance = nullptr;  // no application object
    EXPECT_EQ(run(TestKind::Interactive, answering(vemo5::TestResult::PASS(), &shown)),
              vemo5::TestResult::INTERNALERROR());
    EXPECT_FALSE(shown);
}

TEST_F(RunTestTest, InteractiveTestsLeaveTheLayoutAndMediaCentreLeavesTheIme) {
    inputMethod.userLanguage = 0x0407;  // German
    keyboard.layoutName = L"00010407";
    run(TestKind::Interactive, answering(vemo5::TestResult::PASS()));
    EXPECT_TRUE(keyboard.loadedLayouts.empty());
    run(TestKind::MediaCenter, answering(vemo5::TestResult::PASS()));
    EXPECT_TRUE(inputMethod.disabledThreads.empty());  // the host speaks English here
    // An unreadable layout name is logged and the run goes on with the bare US identifier.
    keyboard.failLayoutName = true;
    EXPECT_EQ(run(TestKind::MediaCenter, answering(vemo5::TestResult::USERABORTED())),
              vemo5::TestResult::USERABORTED());
    EXPECT_EQ(keyboard.loadedLayouts, (std::vector<std::wstring>{L"00010409", L"0409"}));
    bool logged = false;
    for (const auto& entry : capture.sink().entries())
        logged |= entry.level == 3 && entry.message.find(" Error getting Keyboard Layout Name") != std::string::npos;
    EXPECT_TRUE(logged);
}

namespace {

// What reaches the hooks installed before the test's own: keys the test lets go.
int g_keysPassedOn = 0;
LRESULT CALLBACK countKeys(int code, WPARAM wParam, LPARAM lParam) {
    ++g_keysPassedOn;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
void sendWindowsKey(DWORD flags) {
    INPUT input{INPUT_KEYBOARD, {}};
    input.ki = {VK_LWIN, 0, flags, 0, 0};
    SendInput(1, &input, sizeof input);
}
// Presses the Windows key once the dialog runs; closes the dialog if that did not end it within 10 s.
void CALLBACK pressWindowsKey(HWND, UINT, UINT_PTR, DWORD) {
    static int ticks = 0;
    if (++ticks == 1) sendWindowsKey(0);
    if (ticks == 100) PostMessageW(GetActiveWindow(), WM_CLOSE, 0, 0);
}
// Naming any key fails.
struct BrokenKeyboard : FakeKeyboardInput {
    HKL getKeyboardLayout(DWORD) override { throw kvo::NullPointer("no keyboard layout"); }
};

}  // namespace

TEST_F(RunTestTest, AnExceptionInsideTheRealKeyboardHookEndsTheTestKeepsTheKeyAndRestoresAll) {
    setSuppressKbManagers(true);
    installManagers();
    RegisterTestsAndEvents({KeyboardInteractiveTestRun, KeyboardLayoutTestRun, SimpleKeyboardTestRun,
                            MediaCenterKeyboardTestRun});
    const afx::GdiplusSession drawing;
    const HHOOK spy = SetWindowsHookExW(WH_KEYBOARD_LL, countKeys, GetModuleHandleW(nullptr), 0);
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, pressWindowsKey);
    BrokenKeyboard broken;
    EXPECT_EQ(run(TestKind::MediaCenter,
                  [&](vemo5::TestResult& result) {
                      CMediaCenterKeyboardTest dialog(nullptr, broken);
                      runModal(dialog, result);
                  }),
              vemo5::TestResult::INTERNALERROR());
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_keysPassedOn, 0);
    const auto logged = kvorkeyboard::testing::logLines(capture, "kvorkeyboard.KeyboardInteractiveTest");
    EXPECT_NE(logged.at(0).find("no keyboard layout"), std::string::npos);
    EXPECT_EQ(gdiplus.shutDown, 1);
    EXPECT_EQ(processes.commandLines.size(), 2u);
    // With the test's hook gone, keys go on again.
    sendWindowsKey(KEYEVENTF_KEYUP);
    MSG msg;  // low-level hooks are called while their thread looks for messages
    for (DWORD start = GetTickCount(); g_keysPassedOn == 0 && GetTickCount() - start < 5000;)
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    EXPECT_EQ(g_keysPassedOn, 1);
    UnhookWindowsHookEx(spy);
}
