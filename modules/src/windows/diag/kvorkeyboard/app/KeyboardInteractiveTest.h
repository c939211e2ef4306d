#pragma once
// The run functions the host calls, one per registered test.
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {

vemo5::TestResult KeyboardInteractiveTestRun(const vemo5::DiagDevice& device);
vemo5::TestResult KeyboardLayoutTestRun(const vemo5::DiagDevice& device);
vemo5::TestResult SimpleKeyboardTestRun(const vemo5::DiagDevice& device);
vemo5::TestResult MediaCenterKeyboardTestRun(const vemo5::DiagDevice& device);

}  // namespace kvorkeyboard
