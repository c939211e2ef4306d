// Static initialisation of the executable: the application object first,
// then the tests and events. The framework's wWinMain runs the application.
#include "KeyboardApp.h"
#include "run/KeyboardInteractiveTest.h"
#include "registration/ModuleRegistration.h"

CKeyboardApp theApp;

namespace {

// The tests must exist before the host starts: the init callback attaches
// parameters to them.
const bool g_registered = [] {
    kvorkeyboard::RegisterTestsAndEvents({kvorkeyboard::KeyboardInteractiveTestRun,
                                          kvorkeyboard::KeyboardLayoutTestRun,
                                          kvorkeyboard::SimpleKeyboardTestRun,
                                          kvorkeyboard::MediaCenterKeyboardTestRun});
    return true;
}();

}  // namespace
