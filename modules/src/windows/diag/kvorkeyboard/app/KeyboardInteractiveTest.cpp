#include "KeyboardInteractiveTest.h"

#include "kvo/Logging.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard.KeyboardInteractiveTest");

// The test dialogs are not part of this build yet: the host records an
// internal error rather than a verdict nobody checked.
vemo5::TestResult notAvailable(const char* testName) {
    KVO_LOG(g_log, 4, testName << " is not available in this build");
    return vemo5::TestResult::INTERNALERROR();
}

}  // namespace

vemo5::TestResult KeyboardInteractiveTestRun(const vemo5::DiagDevice&) {
    return notAvailable("KeyboardInteractiveTest");
}
vemo5::TestResult KeyboardLayoutTestRun(const vemo5::DiagDevice&) { return notAvailable("KeyboardLayoutTest"); }
vemo5::TestResult SimpleKeyboardTestRun(const vemo5::DiagDevice&) { return notAvailable("SimpleKeyboardTest"); }
vemo5::TestResult MediaCenterKeyboardTestRun(const vemo5::DiagDevice&) {
    return notAvailable("MediaCenterKeyboardTest");
}

}  // namespace kvorkeyboard
