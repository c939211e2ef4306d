#include "ModuleParameters.h"

#include "ModuleRegistration.h"

namespace kvorkeyboard {
namespace {

struct ParameterDeclaration {
    const char* name;
    bool boolean;
    bool moduleWide;
};

// In creation order. Module-wide parameters are created with (true, true),
// the four attached to tests with (false, true).
const ParameterDeclaration kDeclarations[kParameterCount] = {
    {"bSuppressKbManagerParam", true, true},
    {"ResourcesPath", false, true},
    {"LayoutsPath", false, true},
    {"ImagesPath", false, true},
    {"bForceKeyPressDefault", true, true},
    {"bForceKeyPressDefaultExceptEnglish", true, true},
    {"bDisableAbortKeyboardShortcut", true, true},
    {"bDisablePassKeyboardShortcut", true, true},
    {"bDisableFailKeyboardShortcut", true, true},
    {"bDisableResetKeyboardShortcut", true, true},
    {"szDefaultTestToShow", false, false},
    {"szLayoutToShow", false, false},
    {"bEnablePassAfterAllPressed", true, false},
    {"bUseSimpleUi", true, false},
};

vemo5::Parameter* g_parameters[kParameterCount] = {};

}  // namespace

void CreateModuleParameters() {
    for (int i = 0; i < kParameterCount; ++i) {
        const ParameterDeclaration& d = kDeclarations[i];
        g_parameters[i] = vemo5::DiagModule::createParameter(
            d.name, d.boolean ? vemo5::DataType::BOOLEAN() : vemo5::DataType::STRING(), "", d.moduleWide, true);
    }
}

void AttachParametersToTests() {
    g_pKeyboardInteractiveTest->addParameter(parameterHandle(ParameterId::szLayoutToShow));
    g_pKeyboardInteractiveTest->addParameter(parameterHandle(ParameterId::bUseSimpleUi));
    g_pKeyboardInteractiveTest->addParameter(parameterHandle(ParameterId::bEnablePassAfterAllPressed));
    g_pKeyboardInteractiveTest->addParameter(parameterHandle(ParameterId::szDefaultTestToShow));
    g_pKeyboardLayoutTest->addParameter(parameterHandle(ParameterId::szLayoutToShow));
    g_pKeyboardLayoutTest->addParameter(parameterHandle(ParameterId::bEnablePassAfterAllPressed));
    g_pSimpleKeyboardTest->addParameter(parameterHandle(ParameterId::bUseSimpleUi));
}

vemo5::Parameter* parameterHandle(ParameterId id) { return g_parameters[static_cast<int>(id)]; }

bool parameterBool(ParameterId id) {
    vemo5::Parameter* p = parameterHandle(id);
    return p != nullptr && p->value().valueBool();
}

kvo::String parameterText(ParameterId id) {
    vemo5::Parameter* p = parameterHandle(id);
    return p != nullptr ? p->value().toKVOString() : kvo::String();
}

}  // namespace kvorkeyboard
