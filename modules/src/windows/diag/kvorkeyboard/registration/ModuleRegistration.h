#pragma once
// What the module registers with the host during static initialisation.
// The host owns the objects; these pointers live as long as the process.
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {

extern vemo5::Test* g_pKeyboardInteractiveTest;
extern vemo5::Test* g_pKeyboardLayoutTest;
extern vemo5::Test* g_pSimpleKeyboardTest;
extern vemo5::Test* g_pMediaCenterKeyboardTest;

extern vemo5::Event* g_pUserClickedFailEvent;
extern vemo5::Event* g_pInvalidLayoutEvent;
extern vemo5::Event* g_pLayoutLoadFailedEvent;

}  // namespace kvorkeyboard

namespace kvorkeyboard {

struct RunFunctions {
    vemo5::RunFunction keyboardInteractiveTest;
    vemo5::RunFunction keyboardLayoutTest;
    vemo5::RunFunction simpleKeyboardTest;
    vemo5::RunFunction mediaCenterKeyboardTest;
};

// Registers the four tests and then the three events, in that order, and
// keeps the handles above. Runs during static initialisation, before the
// host starts, because the init callback attaches parameters to the tests.
void RegisterTestsAndEvents(const RunFunctions& runFunctions);

}  // namespace kvorkeyboard
