#pragma once
// The run functions the host calls, one per registered test, and the run
// they share: device check, keyboard managers, input environment, then the
// modal test dialog under GDI+ and its result.
#include <windows.h>

#include "environment/KbManagerProcesses.h"
#include "run/DialogRun.h"
#include "system/InputMethodSystem.h"
#include "system/KeyboardInput.h"
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {

vemo5::TestResult KeyboardInteractiveTestRun(const vemo5::DiagDevice& device);
vemo5::TestResult KeyboardLayoutTestRun(const vemo5::DiagDevice& device);
vemo5::TestResult SimpleKeyboardTestRun(const vemo5::DiagDevice& device);
vemo5::TestResult MediaCenterKeyboardTestRun(const vemo5::DiagDevice& device);

// The three tests of the frame dialog switch the IME off; the media-centre
// test instead moves to the US variant of the active layout.
enum class TestKind { Interactive, MediaCenter };

// Everything a run touches outside its dialog; tests substitute fakes.
struct RunSystems {
    KbManagerSystem& kbManagers;
    InputMethodSystem& inputMethod;
    KeyboardInput& keyboard;
    // The application's instance handle; null without an application object.
    HINSTANCE (*applicationInstance)();
};

RunSystems& productionRunSystems();

// One run up to and including its dialog. Throws kvo::AssertionFailure,
// before touching anything, when the device has no keyboard.
vemo5::TestResult runTest(const vemo5::DiagDevice& device, TestKind kind, RunSystems& systems,
                          const ShowDialog& show);

}  // namespace kvorkeyboard
