#include "ModuleCallbacks.h"

#include "AccessibilityGuard.h"
#include "registration/LocalizedStrings.h"
#include "registration/ModuleParameters.h"

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
