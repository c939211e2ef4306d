#include "ModuleCallbacks.h"

#include "AccessibilityGuard.h"
#include "LocalizedStrings.h"
#include "ModuleParameters.h"

namespace kvorkeyboard {
namespace {

AccessibilityGuard& guard() {
    static AccessibilityGuard instance(systemKeyboard(), systemSettings());
    return instance;
}

}  // namespace

void ModuleInit() {
    CreateLocalizedStrings();
    CreateModuleParameters();
    AttachParametersToTests();
    guard().saveAndDisable();
}

void ModuleExit() { guard().restore(); }

}  // namespace kvorkeyboard
