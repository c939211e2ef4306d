// Minimal host object model; the command line, texts and reports are to come.
#include <memory>

#include "vemo5/DiagModule.h"

namespace vemo5 {
namespace {

struct HostState {
    std::vector<std::unique_ptr<Test>> ownedTests;
    std::vector<std::unique_ptr<Event>> ownedEvents;
    std::vector<std::unique_ptr<Parameter>> ownedParameters;
    std::vector<std::unique_ptr<LocalizedString>> ownedTexts;
    std::vector<Test*> tests;
    std::vector<Event*> events;
    std::vector<Parameter*> parameters;
    std::vector<LocalizedString*> texts;
    ModuleCallback init = nullptr;
    ModuleCallback exit = nullptr;
};

HostState& state() {
    static HostState* s = new HostState;  // registration runs during static initialisation
    return *s;
}

}  // namespace

const char* TestResult::name() const {
    switch (m_kind) {
        case Kind::Pass: return "PASS";
        case Kind::Fail: return "FAIL";
        case Kind::UserAborted: return "USERABORTED";
        case Kind::InternalError: return "INTERNALERROR";
    }
    return "INTERNALERROR";
}

bool Value::valueBool() const { return m_text == "true" || m_text == "1" || m_text == "yes"; }

Parameter::Parameter(std::string name, DataType type, std::string defaultText, bool moduleWide, bool configurable)
    : m_name(std::move(name)), m_type(type), m_defaultText(std::move(defaultText)),
      m_moduleWide(moduleWide), m_configurable(configurable) {}

Value Parameter::value() const { return Value(m_type, m_hasValue ? m_value : m_defaultText); }

bool Parameter::setValue(const std::string& text) {
    m_value = text;
    m_hasValue = true;
    return true;
}

VemoString LocalizedString::localizedString() const { return VemoString(m_id); }

Test::Test(std::string name, DeviceCapability capability, RunFunction run)
    : m_name(std::move(name)), m_capability(capability), m_run(run) {}
Test* Test::setInteractive(bool interactive) {
    m_interactive = interactive;
    return this;
}
Test* Test::setCreatesOwnGUI(bool createsOwnGUI) {
    m_createsOwnGUI = createsOwnGUI;
    return this;
}
void Test::addParameter(Parameter* parameter) { m_parameters.push_back(parameter); }
VemoString Test::localizedName() const { return VemoString(m_name); }

Test* DiagModule::createTest(const char* name, const DeviceCapability& capability, RunFunction run) {
    state().ownedTests.push_back(std::make_unique<Test>(name, capability, run));
    state().tests.push_back(state().ownedTests.back().get());
    return state().tests.back();
}
Event* DiagModule::createEvent(const char* name) {
    state().ownedEvents.push_back(std::make_unique<Event>(name));
    state().events.push_back(state().ownedEvents.back().get());
    return state().events.back();
}
Parameter* DiagModule::createParameter(const char* name, DataType type, const char* defaultText, bool moduleWide,
                                       bool configurable) {
    state().ownedParameters.push_back(std::make_unique<Parameter>(name, type, defaultText, moduleWide, configurable));
    state().parameters.push_back(state().ownedParameters.back().get());
    return state().parameters.back();
}
LocalizedString* DiagModule::createLocalizedString(const VemoString& id) {
    state().ownedTexts.push_back(std::make_unique<LocalizedString>(id.utf8()));
    state().texts.push_back(state().ownedTexts.back().get());
    return state().texts.back();
}
void DiagModule::setCmdLineArgs(int, char**) {}
void DiagModule::setVersion(int, int, const char*) {}
void DiagModule::setModuleInitCallback(ModuleCallback callback) { state().init = callback; }
void DiagModule::setModuleExitCallback(ModuleCallback callback) { state().exit = callback; }
int DiagModule::start() {
    if (state().init) state().init();
    if (state().exit) state().exit();
    return 0;
}
Language DiagModule::getLanguage() { return Language::en(); }
void DiagModule::error(Event*, const VemoString&, int) {}
void DiagModule::warning(Event*, const VemoString&, int) {}
bool DiagModule::checkForStop() { return false; }
const std::vector<Test*>& DiagModule::tests() { return state().tests; }
const std::vector<Event*>& DiagModule::events() { return state().events; }
const std::vector<Parameter*>& DiagModule::parameters() { return state().parameters; }
const std::vector<LocalizedString*>& DiagModule::localizedStrings() { return state().texts; }

}  // namespace vemo5
