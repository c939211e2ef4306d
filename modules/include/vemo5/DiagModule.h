#pragma once
// The diagnostic host. A module registers its tests, events, parameters and
// texts (mostly during static initialisation), hands over its command line
// and callbacks, and calls start(), which runs the whole sequence: init
// callback, the requested tests, exit callback, results report.
#include <string>
#include <vector>

#include "vemo5/Observations.h"
#include "vemo5/Types.h"
#include "vemo5/VemoString.h"

namespace vemo5 {

class Parameter {
public:
    Parameter(std::string name, DataType type, std::string defaultText, bool moduleWide, bool configurable);
    const std::string& name() const { return m_name; }
    DataType dataType() const { return m_type; }
    const std::string& defaultText() const { return m_defaultText; }
    // Set for the whole module, not per test; the host lists such parameters apart.
    bool isModuleWide() const { return m_moduleWide; }
    // May be set from the command line or a settings file.
    bool isConfigurable() const { return m_configurable; }

    Value value() const;
    // Host side: validates the text against the type; false when malformed.
    [[nodiscard]] bool setValue(const std::string& text);

private:
    std::string m_name;
    DataType m_type;
    std::string m_defaultText;
    bool m_moduleWide;
    bool m_configurable;
    std::string m_value;
    bool m_hasValue = false;
};

class LocalizedString {
public:
    explicit LocalizedString(std::string id) : m_id(std::move(id)) {}
    const std::string& id() const { return m_id; }
    // The text in the host's language; English when that language lacks it;
    // the id itself when English lacks it too (logged as a warning).
    VemoString localizedString() const;

private:
    std::string m_id;
};

class Event {
public:
    explicit Event(std::string name) : m_name(std::move(name)) {}
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

using RunFunction = TestResult (*)(const DiagDevice& device);

class Test {
public:
    Test(std::string name, RunFunction run) : m_name(std::move(name)), m_run(run) {}
    const std::string& name() const { return m_name; }
    RunFunction runFunction() const { return m_run; }

    // Every test of this host is interactive and shows its own windows:
    // there is nothing to record.
    Test* setInteractive(bool) { return this; }
    Test* setCreatesOwnGUI(bool) { return this; }

    void addParameter(Parameter* parameter);
    const std::vector<Parameter*>& parameters() const { return m_parameters; }
    // The test's name in the host's language (text id = test name).
    VemoString localizedName() const;

private:
    std::string m_name;
    RunFunction m_run;
    std::vector<Parameter*> m_parameters;
};

using ModuleCallback = void (*)();

class DiagModule {
public:
    // Registration. The host owns every object it returns, for the process's life.
    // The host offers its tests whatever device it has; each test's run
    // function checks the capabilities it needs.
    static Test* createTest(const char* name, const DeviceCapability& capability, RunFunction run);
    static Event* createEvent(const char* name);
    static Parameter* createParameter(const char* name, DataType type, const char* defaultText,
                                      bool moduleWide, bool configurable);
    static LocalizedString* createLocalizedString(const VemoString& id);

    // Start-up, in this order, then start().
    static void setCmdLineArgs(int argc, char** argv);
    static void setVersion(int major, int minor, const char* build);
    static void setModuleInitCallback(ModuleCallback callback);
    static void setModuleExitCallback(ModuleCallback callback);
    // Runs the command line's request and returns the process exit code
    // (see the host's README for the codes).
    static int start();

    // While running.
    static Language getLanguage();
    static void error(Event* event, const VemoString& message, int code);
    static void warning(Event* event, const VemoString& message, int code);
    // True once the host wants the running test to end.
    static bool checkForStop();
    // Gaps between a key's release and its next press shorter than this are chatter.
    static unsigned chatterThresholdMs();
    // The running test's observations, for the reports; a later call replaces
    // an earlier one. Outside a test they are dropped.
    static void recordObservations(const Observations& observations);
};

}  // namespace vemo5
