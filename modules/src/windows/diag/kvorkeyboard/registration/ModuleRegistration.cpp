#include "ModuleRegistration.h"

namespace kvorkeyboard {

vemo5::Test* g_pKeyboardInteractiveTest = nullptr;
vemo5::Test* g_pKeyboardLayoutTest = nullptr;
vemo5::Test* g_pSimpleKeyboardTest = nullptr;
vemo5::Test* g_pMediaCenterKeyboardTest = nullptr;

vemo5::Event* g_pUserClickedFailEvent = nullptr;
vemo5::Event* g_pInvalidLayoutEvent = nullptr;
vemo5::Event* g_pLayoutLoadFailedEvent = nullptr;

namespace {

vemo5::Test* createInteractiveTest(const char* name, vemo5::RunFunction run) {
    vemo5::Test* test = vemo5::DiagModule::createTest(
        name, vemo5::DeviceCapability::KeyboardTest() | vemo5::DeviceCapability::Keyboard(), run);
    test->setInteractive(true);
    return test->setCreatesOwnGUI(true);
}

}  // namespace

void RegisterTestsAndEvents(const RunFunctions& run) {
    g_pKeyboardInteractiveTest = createInteractiveTest("KeyboardInteractiveTest", run.keyboardInteractiveTest);
    g_pKeyboardLayoutTest = createInteractiveTest("KeyboardLayoutTest", run.keyboardLayoutTest);
    g_pSimpleKeyboardTest = createInteractiveTest("SimpleKeyboardTest", run.simpleKeyboardTest);
    g_pMediaCenterKeyboardTest = createInteractiveTest("MediaCenterKeyboardTest", run.mediaCenterKeyboardTest);

    g_pUserClickedFailEvent = vemo5::DiagModule::createEvent("UserClickedFail");
    g_pInvalidLayoutEvent = vemo5::DiagModule::createEvent("InvalidLayout");
    g_pLayoutLoadFailedEvent = vemo5::DiagModule::createEvent("LayoutLoadFailed");
}

}  // namespace kvorkeyboard
