#pragma once
// One diagnostic host: what a module registered, the command line it was
// given, and the run that start() carries out. DiagModule's static operations
// forward to Host::global(); tests build hosts of their own.
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Machine.h"
#include "Registry.h"
#include "RunRecord.h"
#include "StopProbe.h"
#include "StopRequest.h"
#include "TextCatalog.h"

namespace vemo5 {

class Host {
public:
    Host(std::string defaultTextsFolder, const StopProbe& probe,
         const MachineSource& machine = systemMachineSource());
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The process's host, the one a module registers with.
    static Host& global();
    // The host inside start(), else the global one: where a running test's
    // events and questions go.
    static Host& current();

    Registry& registry() { return m_registry; }
    // argv[0] is the module's identity, the rest the operator's options.
    void setCmdLineArgs(int argc, char** argv);
    void setVersion(int major, int minor, const char* build);
    void setModuleInitCallback(ModuleCallback callback) { m_init = callback; }
    void setModuleExitCallback(ModuleCallback callback) { m_exit = callback; }

    // Carries out the command line once; returns the exit code (RunRecord.h).
    int start(std::ostream& out, std::ostream& err);

    Language language() const { return Language(m_options.language); }
    std::string text(const std::string& id) const { return m_catalog.text(id); }
    void raise(const Event* event, const VemoString& message, int code, bool isError);
    bool checkForStop() const { return m_stop && m_stop->requested(); }
    // What the last start() recorded: the source of its reports.
    const RunRecord& lastRun() const { return m_run; }
    unsigned chatterThresholdMs() const { return m_options.chatterMs; }
    void recordObservations(const Observations& observations);

private:
    int carryOut(std::ostream& out, std::ostream& err);
    int usageError(std::ostream& err, const std::string& problem) const;
    int afterFailedInit(std::ostream& out, std::ostream& err);
    void runSelectedTests();
    // Checks what can be checked before the module is called; returns the problem or empty.
    std::string prepare();
    std::string assignValues() const;
    [[nodiscard]] bool callModule(ModuleCallback callback, const char* which);
    void runTest(const Test& test, const DiagDevice& device);
    // False when a picture could not be written.
    [[nodiscard]] bool savePictures(const std::filesystem::path& folder);
    int finish(std::ostream& out, std::ostream& err);

    TextCatalog m_catalog;
    Registry m_registry;
    std::string m_defaultTextsFolder;
    const StopProbe& m_probe;
    const MachineSource& m_machine;
    std::vector<std::string> m_args{"vemo5"};
    std::string m_version = "0.0";
    ModuleCallback m_init = nullptr;
    ModuleCallback m_exit = nullptr;

    Options m_options;
    std::vector<std::pair<std::string, std::string>> m_settings;
    std::vector<const Test*> m_selected;
    std::unique_ptr<StopRequest> m_stop;
    RunRecord m_run;
    TestRecord* m_current = nullptr;
};

// The text of `id` in the running host's language.
std::string hostText(const std::string& id);

}  // namespace vemo5
