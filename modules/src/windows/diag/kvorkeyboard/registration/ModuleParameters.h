#pragma once
// The fourteen host parameters that steer the module. They are read at the
// moment they are needed and never written by the module.
#include "kvo/String.h"
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {

enum class ParameterId {
    bSuppressKbManagerParam,
    ResourcesPath,
    LayoutsPath,
    ImagesPath,
    bForceKeyPressDefault,
    bForceKeyPressDefaultExceptEnglish,
    bDisableAbortKeyboardShortcut,
    bDisablePassKeyboardShortcut,
    bDisableFailKeyboardShortcut,
    bDisableResetKeyboardShortcut,
    szDefaultTestToShow,
    szLayoutToShow,
    bEnablePassAfterAllPressed,
    bUseSimpleUi,
};
constexpr int kParameterCount = 14;

// Creates the parameters with the host, in the order above.
void CreateModuleParameters();
// Attaches the test-specific parameters to the registered tests.
void AttachParametersToTests();

vemo5::Parameter* parameterHandle(ParameterId id);
// A Boolean parameter's value; false before the parameters exist.
bool parameterBool(ParameterId id);
// A text parameter's value; empty before the parameters exist.
kvo::String parameterText(ParameterId id);

}  // namespace kvorkeyboard
