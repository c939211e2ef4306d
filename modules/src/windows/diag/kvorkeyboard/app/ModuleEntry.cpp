// The executable's entry: registration during static initialisation, then
// the host's whole sequence from wWinMain.
#include <windows.h>

#include "KeyboardInteractiveTest.h"
#include "frame/ModuleRegistration.h"
#include "frame/ModuleRunner.h"

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

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    return kvorkeyboard::RunModule(kvo::String(commandLine), vemo5::DiagModule::start);
}
