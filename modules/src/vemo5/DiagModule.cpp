// DiagModule's static operations go to the host whose start() runs, else to
// the process's host: a module registers before anything runs, and a test's
// questions belong to the run that called it.
#include <iostream>

#include "Host.h"
#include "Platform.h"
#include "vemo5/DiagModule.h"

namespace vemo5 {

Test* DiagModule::createTest(const char* name, const DeviceCapability&, RunFunction run) {
    return Host::current().registry().createTest(name, run);
}
Event* DiagModule::createEvent(const char* name) { return Host::current().registry().createEvent(name); }
Parameter* DiagModule::createParameter(const char* name, DataType type, const char* defaultText, bool moduleWide,
                                       bool configurable) {
    return Host::current().registry().createParameter(name, type, defaultText != nullptr ? defaultText : "",
                                                      moduleWide, configurable);
}
LocalizedString* DiagModule::createLocalizedString(const VemoString& id) {
    return Host::current().registry().createLocalizedString(id.utf8());
}

void DiagModule::setCmdLineArgs(int argc, char** argv) { Host::global().setCmdLineArgs(argc, argv); }
void DiagModule::setVersion(int major, int minor, const char* build) {
    Host::global().setVersion(major, minor, build);
}
void DiagModule::setModuleInitCallback(ModuleCallback callback) { Host::global().setModuleInitCallback(callback); }
void DiagModule::setModuleExitCallback(ModuleCallback callback) { Host::global().setModuleExitCallback(callback); }
int DiagModule::start() {
    attachParentConsole();
    return Host::global().start(std::cout, std::cerr);
}

Language DiagModule::getLanguage() { return Host::current().language(); }
void DiagModule::error(Event* event, const VemoString& message, int code) {
    Host::current().raise(event, message, code, true);
}
void DiagModule::warning(Event* event, const VemoString& message, int code) {
    Host::current().raise(event, message, code, false);
}
bool DiagModule::checkForStop() { return Host::current().checkForStop(); }
unsigned DiagModule::chatterThresholdMs() { return Host::current().chatterThresholdMs(); }
void DiagModule::recordObservations(const Observations& observations) {
    Host::current().recordObservations(observations);
}

}  // namespace vemo5
