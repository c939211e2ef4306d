#include "KeyboardInteractiveTest.h"

#include "KvoControls/KVOControls.h"
#include "afx/WinApp.h"
#include "pagehost/InteractiveTestDlg.h"
#include "mediacenter/MediaCenterKeyboardTest.h"
#include "environment/AutoKillKbManager.h"
#include "environment/InputEnvironment.h"
#include "evidence/RunEvidence.h"
#include "registration/ModuleParameters.h"
#include "kvo/Exception.h"
#include "kvo/Logging.h"
#include "res/KeyboardLayoutTestRes.h"
#include "res/SimpleKeyboardTestRes.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard.KeyboardInteractiveTest");

// The lines the log and the capability assertion report: they name each run
// function's site and stay put when this file changes.
constexpr int kInteractiveCapabilityLine = 112;
constexpr int kMediaCenterCapabilityLine = 236;
constexpr int kInteractiveTraceLine = 216;
constexpr int kLayoutTraceLine = 222;
constexpr int kSimpleTraceLine = 228;
constexpr int kMediaCenterTraceLine = 234;

void requireKeyboard(const vemo5::DiagDevice& device, TestKind kind) {
    KVO_ASSERT_AT(device.intersectCapability(vemo5::DeviceCapability::Keyboard()), "KeyboardInteractiveTest",
                  kind == TestKind::Interactive ? kInteractiveCapabilityLine : kMediaCenterCapabilityLine);
}

// False when the run must end before its dialog. Whatever was stopped is
// started again by the killers' destructors, on every path.
bool stopKeyboardManagers(RunSystems& systems, CAutoKbManagerKiller& hotkeys, CAutoKbManagerKiller& keymap) {
    if (!parameterBool(ParameterId::bSuppressKbManagerParam)) return true;
    const HINSTANCE instance = systems.applicationInstance();
    if (!instance) return false;
    (void)hotkeys.killKbManager(instance, kvo::String("TPHOTKEY"));
    return keymap.killKbManager(instance, kvo::String("TPKMAPMN"));
}

// Empty when Windows cannot tell.
std::wstring activeLayoutName(KeyboardInput& keyboard) {
    wchar_t name[KL_NAMELENGTH] = L"";
    if (!keyboard.getKeyboardLayoutName(name)) {
        name[0] = L'\0';
        KVO_LOG(g_log, 3, "Error getting Keyboard Layout Name");
    }
    return name;
}

HINSTANCE applicationInstance() {
    const CWinApp* app = AfxGetApp();
    return app ? app->m_hInstance : nullptr;
}

vemo5::TestResult RunInteractiveTestDlg(const vemo5::DiagDevice& device, UINT testId, bool chooserMode) {
    return runTest(device, TestKind::Interactive, productionRunSystems(), [&](vemo5::TestResult& result) {
        CInteractiveTestDlg dialog(KvorGetCUIHandle(), testId, chooserMode);
        runModal(dialog, result);
    });
}

}  // namespace

RunSystems& productionRunSystems() {
    static RunSystems systems{systemKbManagerSystem(), systemInputMethod(), systemKeyboard(), &applicationInstance};
    return systems;
}

vemo5::TestResult runTest(const vemo5::DiagDevice& device, TestKind kind, RunSystems& systems,
                          const ShowDialog& show) {
    requireKeyboard(device, kind);
    const vemo5::TestResult result = vemo5::TestResult::INTERNALERROR();
    CAutoKbManagerKiller hotkeys(systems.kbManagers);
    CAutoKbManagerKiller keymap(systems.kbManagers);
    if (!stopKeyboardManagers(systems, hotkeys, keymap)) return result;

    if (kind == TestKind::Interactive) {
        DisableImeForAsianLanguages(vemo5::DiagModule::getLanguage(), systems.inputMethod);
        (void)activeLayoutName(systems.keyboard);
    } else {
        ActivateUsLayoutForMediaCenter(activeLayoutName(systems.keyboard).c_str(), systems.inputMethod,
                                       systems.keyboard);
    }
    const EscapeReport report = kind == TestKind::Interactive ? EscapeReport::Interactive : EscapeReport::MediaCenter;
    // What the pages saw goes to the host whatever the verdict, and also when the dialog threw.
    RunEvidence evidence;
    const vemo5::TestResult verdict = runGuardedDialog(result, report, show);
    evidence.handOver();
    return verdict;
}

vemo5::TestResult KeyboardInteractiveTestRun(const vemo5::DiagDevice& device) {
    KVO_TRACE_SCOPE(g_log, "KeyboardInteractiveTestRun", "KeyboardInteractiveTest", kInteractiveTraceLine);
    return RunInteractiveTestDlg(device, 0, true);
}

vemo5::TestResult KeyboardLayoutTestRun(const vemo5::DiagDevice& device) {
    KVO_TRACE_SCOPE(g_log, "KeyboardLayoutTestRun", "KeyboardInteractiveTest", kLayoutTraceLine);
    return RunInteractiveTestDlg(device, IDD_KEYBOARD_LAYOUT_TEST, false);
}

vemo5::TestResult SimpleKeyboardTestRun(const vemo5::DiagDevice& device) {
    KVO_TRACE_SCOPE(g_log, "SimpleKeyboardTestRun", "KeyboardInteractiveTest", kSimpleTraceLine);
    return RunInteractiveTestDlg(device, IDD_SIMPLE_KEYBOARD_TEST, false);
}

vemo5::TestResult MediaCenterKeyboardTestRun(const vemo5::DiagDevice& device) {
    KVO_TRACE_SCOPE(g_log, "MediaCenterKeyboardTestRun", "KeyboardInteractiveTest", kMediaCenterTraceLine);
    return runTest(device, TestKind::MediaCenter, productionRunSystems(), [](vemo5::TestResult& result) {
        CMediaCenterKeyboardTest dialog(KvorGetCUIHandle());
        runModal(dialog, result);
    });
}

}  // namespace kvorkeyboard
