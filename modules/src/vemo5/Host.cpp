#include "Host.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "Listing.h"
#include "ObservationText.h"
#include "ParameterValues.h"
#include "Platform.h"
#include "Report.h"
#include "SettingsFile.h"
#include "TextUtil.h"
#include "kvo/Exception.h"
#include "kvo/Logging.h"

namespace vemo5 {
namespace {

kvo::LoggerRef g_log("vemo5.Host");

Host* g_running = nullptr;

// Marks the host whose start() runs, also on an early return.
class RunningScope {
public:
    explicit RunningScope(Host* host) : m_previous(g_running) { g_running = host; }
    ~RunningScope() { g_running = m_previous; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    Host* m_previous;
};

// Runs `body`; what it throws becomes a message for the report.
template <typename Body>
std::string messageOfThrow(Body body) {
    try {
        body();
        return std::string();
    } catch (const kvo::Exception& e) {
        std::string message = e.getMessage().toUtf8();
        return message.empty() ? "kvo::Exception without a message" : message;
    } catch (const std::exception& e) {
        std::string message = e.what();
        return message.empty() ? "std::exception without a message" : message;
    } catch (...) {
        return "an exception of unknown type";
    }
}

bool writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    file.close();
    return !file.fail();
}

long long millisecondsBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

}  // namespace

Host::Host(std::string defaultTextsFolder, const StopProbe& probe, const MachineSource& machine)
    : m_defaultTextsFolder(std::move(defaultTextsFolder)), m_probe(probe), m_machine(machine) {}

Host& Host::global() {
    // Never destroyed: modules register during static initialisation and
    // keep the pointers until the process ends.
    static Host* host = new Host(executableFolder() + "/texts", systemStopProbe());
    return *host;
}

Host& Host::current() { return g_running != nullptr ? *g_running : global(); }

void Host::setCmdLineArgs(int argc, char** argv) {
    m_args.assign({"vemo5"});
    for (int i = 0; i < argc; ++i) {
        std::string argument = argv[i] != nullptr ? argv[i] : "";
        if (i == 0)
            m_args.front() = argument;
        else
            m_args.push_back(argument);
    }
}

void Host::setVersion(int major, int minor, const char* build) {
    m_version = std::to_string(major) + "." + std::to_string(minor);
    if (build != nullptr && *build != '\0') m_version += std::string(".") + build;
}

int Host::start(std::ostream& out, std::ostream& err) {
    RunningScope running(this);
    m_settings.clear();
    m_stop.reset();
    int code = carryOut(out, err);
    out.flush();
    err.flush();
    return code;
}

int Host::carryOut(std::ostream& out, std::ostream& err) {
    std::vector<std::string> testNames;
    for (const Test* test : m_registry.tests()) testNames.push_back(test->name());
    ParsedCommandLine parsed = parseCommandLine(std::vector<std::string>(m_args.begin() + 1, m_args.end()), testNames);
    if (!parsed.error.empty()) return usageError(err, parsed.error);
    m_options = parsed.options;
    if (m_options.action == Options::Action::Help) {
        out << usageText(m_args.front());
        return exitcode::kAllPassed;
    }
    if (m_options.action == Options::Action::Version) {
        out << m_version << "\n";
        return exitcode::kAllPassed;
    }
    std::string problem = prepare();
    if (!problem.empty()) return usageError(err, problem);

    m_run = RunRecord{m_args.front(), m_version, m_options.language, {}, {}};
    m_run.machine = collectMachine(m_machine);
    if (!callModule(m_init, "init")) return afterFailedInit(out, err);
    // From here on the module has changed the system, and only exit undoes that.
    problem = assignValues();
    if (!problem.empty()) {
        (void)callModule(m_exit, "exit");  // logged; the usage error is what the operator must fix
        return usageError(err, problem);
    }
    if (m_options.action == Options::Action::List) {
        out << listing(m_registry);
        return callModule(m_exit, "exit") ? exitcode::kAllPassed : exitcode::kInternalError;
    }
    runSelectedTests();
    (void)callModule(m_exit, "exit");  // recorded for the report
    return finish(out, err);
}

int Host::usageError(std::ostream& err, const std::string& problem) const {
    err << m_args.front() << ": " << problem << "\n";
    return exitcode::kUsage;
}

int Host::afterFailedInit(std::ostream& out, std::ostream& err) {
    for (const Test* test : m_selected)
        m_run.tests.push_back({test->name(), "INTERNALERROR", 0, {}, {}, "not run: the init callback failed"});
    (void)callModule(m_exit, "exit");  // recorded for the report
    if (m_options.action != Options::Action::List) return finish(out, err);
    err << m_args.front() << ": " << m_run.moduleErrors.front() << "\n";
    return exitcode::kInternalError;
}

void Host::runSelectedTests() {
    DeviceCapability capabilities = m_options.deviceWithoutKeyboard
                                        ? DeviceCapability::KeyboardTest()
                                        : DeviceCapability::KeyboardTest() | DeviceCapability::Keyboard();
    DiagDevice device(capabilities);
    m_stop->startClock();
    for (const Test* test : m_selected) runTest(*test, device);
}

std::string Host::prepare() {
    m_selected.clear();
    for (const std::string& name : m_options.tests) {
        const Test* test = m_registry.findTest(name);  // the command line has checked that there is one
        if (std::find(m_selected.begin(), m_selected.end(), test) == m_selected.end()) m_selected.push_back(test);
    }
    if (m_options.tests.empty()) m_selected.assign(m_registry.tests().begin(), m_registry.tests().end());
    if (m_options.settingsFile) {
        Settings settings = readSettings(*m_options.settingsFile);
        if (!settings.error.empty()) return settings.error;
        m_settings = std::move(settings.values);
    }
    if (m_options.logFile) {
        std::string failure =
            messageOfThrow([this] { kvo::LogFactory::setSink(std::make_unique<kvo::FileLogSink>(*m_options.logFile)); });
        if (!failure.empty()) return "cannot open the log file " + quote(*m_options.logFile);
    }
    if (m_options.logLevel) kvo::LogFactory::setPriority(*m_options.logLevel);
    m_catalog.load(m_options.textsFolder.value_or(m_defaultTextsFolder), m_options.language);
    m_stop = std::make_unique<StopRequest>(m_probe, m_options.stopAfterSeconds, m_options.stopFile);
    return std::string();
}

std::string Host::assignValues() const {
    // The command line comes last, so it overrides the settings file.
    std::string problem = assignParameterValues(m_registry, m_settings, m_options.settingsFile.value_or(""));
    return problem.empty() ? assignParameterValues(m_registry, m_options.params, "--param") : problem;
}

bool Host::callModule(ModuleCallback callback, const char* which) {
    if (callback == nullptr) return true;
    std::string failure = messageOfThrow(callback);
    if (failure.empty()) return true;
    KVO_LOG(g_log, 4, "The module's " << which << " callback threw: " << failure);
    m_run.moduleErrors.push_back(std::string(which) + " callback: " + failure);
    return false;
}

void Host::runTest(const Test& test, const DiagDevice& device) {
    TestRecord record;
    record.name = test.name();
    record.parameters = valuesInForce(test, m_registry);
    m_current = &record;
    auto started = m_probe.now();
    KVO_LOG(g_log, 1, "Running " << test.name());
    TestResult result = TestResult::INTERNALERROR();
    record.exception = messageOfThrow([&] {
        if (test.runFunction() == nullptr) throw kvo::NullPointer("The test has no run function");
        result = test.runFunction()(device);
    });
    record.result = record.exception.empty() ? result.name() : "INTERNALERROR";
    const bool chattered = record.observations && !record.observations->chatter.empty();
    if (m_options.failOnChatter && record.result == "PASS" && chattered) {
        record.result = "FAIL";
        record.overruledBecause = chatterText(*record.observations) + " (--fail-on-chatter)";
    }
    record.milliseconds = millisecondsBetween(started, m_probe.now());
    if (!record.exception.empty()) KVO_LOG(g_log, 4, test.name() << " threw: " << record.exception);
    KVO_LOG(g_log, 1, test.name() << " ended with " << record.result);
    m_current = nullptr;
    m_run.tests.push_back(std::move(record));
}

int Host::finish(std::ostream& out, std::ostream& err) {
    int code = exitCodeOf(m_run);
    for (const TestRecord& test : m_run.tests) {
        out << summaryLine(test) << "\n";
        if (test.observations)
            for (const std::string& finding : findingLines(*test.observations)) out << "  " << finding << "\n";
    }
    for (const std::string& error : m_run.moduleErrors) out << "INTERNALERROR " << error << "\n";

    std::error_code ignored;
    std::filesystem::path folder = std::filesystem::u8path(m_options.resultsFolder);
    std::filesystem::create_directories(folder, ignored);
    bool written = savePictures(folder) && writeFile(folder / "results.json", toJson(m_run, code)) &&
                   writeFile(folder / "results.xml", toJUnitXml(m_run));
    if (!written) {
        err << m_args.front() << ": cannot write the results to " << quote(m_options.resultsFolder) << "\n";
        return exitcode::kReportNotWritten;
    }
    return code;
}

bool Host::savePictures(const std::filesystem::path& folder) {
    for (TestRecord& test : m_run.tests) {
        if (!test.observations || test.observations->picturePng.empty()) continue;
        const std::vector<std::uint8_t>& png = test.observations->picturePng;
        std::error_code unknown;
        const std::filesystem::path path = std::filesystem::absolute(folder / (test.name + "-keyboard.png"), unknown);
        if (!writeFile(path, std::string(png.begin(), png.end()))) return false;
        test.picturePath = path.u8string();
    }
    return true;
}

void Host::recordObservations(const Observations& observations) {
    if (m_current == nullptr) {
        KVO_LOG(g_log, 3, "Observations handed over outside a test are dropped");
        return;
    }
    m_current->observations = observations;
}

void Host::raise(const Event* event, const VemoString& message, int code, bool isError) {
    std::string name = event != nullptr ? event->name() : "(no event)";
    if (m_current == nullptr) {
        KVO_LOG(g_log, 3, "Event " << name << " raised outside a test: " << message.kvoString() << " (" << code << ")");
        return;
    }
    m_current->events.push_back({name, isError, message.utf8(), code});
}

std::string hostText(const std::string& id) { return Host::current().text(id); }

}  // namespace vemo5
