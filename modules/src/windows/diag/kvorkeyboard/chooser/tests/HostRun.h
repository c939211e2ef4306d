#pragma once
// Runs the host once, as the module's executable would, with the simple
// test's slot taken by a stand-in of the test's own.
#include <string>
#include <vector>

#include "frame/ModuleCallbacks.h"
#include "frame/ModuleRegistration.h"

namespace kvorkeyboard::testing {

inline vemo5::TestResult runNothing(const vemo5::DiagDevice&) { return vemo5::TestResult::PASS(); }

inline int runSimpleTestInHost(vemo5::TestResult (*standIn)(const vemo5::DiagDevice&),
                               std::vector<std::string> options) {
    RegisterTestsAndEvents({runNothing, runNothing, standIn, runNothing});
    vemo5::DiagModule::setModuleInitCallback(ModuleInit);
    vemo5::DiagModule::setModuleExitCallback(ModuleExit);
    options.insert(options.begin(), {"kvorkeyboard.mlx", "--test", "SimpleKeyboardTest"});
    std::vector<char*> argv;
    for (std::string& option : options) argv.push_back(option.data());
    vemo5::DiagModule::setCmdLineArgs(static_cast<int>(argv.size()), argv.data());
    return vemo5::DiagModule::start();
}

}  // namespace kvorkeyboard::testing
