#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "../Host.h"
#include "../Report.h"
#include "kvo/Exception.h"
#include "kvo/Logging.h"
#include "kvo/testing/TempFolder.h"

using namespace vemo5;

using namespace std::chrono_literals;
using Calls = std::vector<std::string>;

class FakeStopProbe : public StopProbe {
public:
    std::chrono::steady_clock::time_point now() const override { return time; }
    bool fileExists(const std::string& utf8Path) const override { return stopFile && utf8Path == "stop.now"; }
    std::chrono::steady_clock::time_point time{};
    bool stopFile = false;
};

// What the module under test saw and did, in order; run functions and
// callbacks are plain function pointers, so they reach the test through these.
Calls g_calls;
FakeStopProbe* g_probe = nullptr;
Parameter* g_flag = nullptr;
Parameter* g_text = nullptr;
Event* g_event = nullptr;
Test* g_passing = nullptr;

void moduleInit() {
    g_calls.push_back("init");
    g_flag = DiagModule::createParameter("bFlag", DataType::BOOLEAN(), "false", false, true);
    g_text = DiagModule::createParameter("szText", DataType::STRING(), "default", true, true);
    DiagModule::createParameter("szFixed", DataType::STRING(), "", true, false);
    g_passing->addParameter(g_flag);
}
void moduleInitThrows() { g_calls.push_back("init"), throw kvo::NullPointer("no keyboard"); }
void moduleExit() { g_calls.push_back("exit"); }
void moduleExitThrows() { g_calls.push_back("exit"), throw std::logic_error("lock keys lost"); }

// What a test sees: its parameters, the device, the language and its texts.
TestResult runPass(const DiagDevice& device) {
    g_calls.push_back(std::string("Pass ") + (g_flag->value().valueBool() ? "flag " : "noflag ") + g_text->value().text() +
                      (device.intersectCapability(DeviceCapability::Keyboard()) ? " kb " : " ") +
                      DiagModule::getLanguage().code() + " " +
                      DiagModule::createLocalizedString(VemoString("msgPass"))->localizedString().utf8() + " " +
                      g_passing->localizedName().utf8());
    g_probe->time += 1500ms;
    return TestResult::PASS();
}
TestResult runFail(const DiagDevice&) {
    g_calls.push_back("Fail");
    DiagModule::warning(g_event, "Dlg.cpp", 11), DiagModule::error(g_event, "Dlg.cpp", 12);
    return TestResult::FAIL();
}
TestResult runAbort(const DiagDevice&) { return g_calls.push_back("Abort"), TestResult::USERABORTED(); }
TestResult runThrowsKvo(const DiagDevice&) { throw kvo::AssertionFailure("Dlg", 78, "m_pHook != 0"); }
// Stands for a dialog that polls while the operator works.
TestResult runUntilStopped(const DiagDevice&) {
    int polls = 0;
    for (; !DiagModule::checkForStop() && polls < 100; ++polls) g_probe->time += 1s, g_probe->stopFile = polls == 6;
    g_calls.push_back("Stopped after " + std::to_string(polls));
    return TestResult::USERABORTED();
}
TestResult g_observedResult = TestResult::PASS();
TestResult runObserving(const DiagDevice&) {
    Observations o;
    o.chatter = {{30, "A", 1, 6.1}};
    o.chatterThresholdMs = DiagModule::chatterThresholdMs();
    o.picturePng = {0x89, 'P', 'N', 'G'};
    DiagModule::recordObservations(o);
    return g_observedResult;
}

// What Wine cannot show: SMBIOS facts (a system structure alone: no BIOS, no
// serial number) and a keyboard's USB ids beside one without.
class FakeMachine : public MachineSource {
public:
    std::vector<std::uint8_t> smbiosTable() const override {
        return {0, 3, 4, 0, 18, 0, 0, 0, 1, 8, 0, 0, 1, 2, 0, 0, 'H', 'P', 0, 'E', 'l', 'i', 't', 'e', 0, 0};
    }
    std::string windowsVersion() const override { return "10.0.19045"; }
    std::vector<std::string> keyboardDeviceNames() const override {
        return {R"(\\?\hid#vid_046d&pid_c31c&mi_00)", R"(\\?\HID#VID_XYZW&PID_12)"};
    }
};

class HostTest : public ::testing::Test {
protected:
    HostTest() {
        g_probe = &m_probe;
        m_texts.write("en.txt", "msgPass = Pass\nPassing = Passing test\n");
        m_texts.write("de.txt", "msgPass = Bestanden\n");
    }

    // Runs a fresh host on `arguments`, as a module that registers these tests would.
    int run(std::vector<std::string> arguments, ModuleCallback init = moduleInit, ModuleCallback exit = moduleExit) {
        m_host = std::make_unique<Host>(m_texts.path("none"), m_probe, m_machine);  // the texts only where asked for
        const std::pair<const char*, RunFunction> tests[] = {{"Passing", runPass},     {"Failing", runFail},
                                                             {"Aborting", runAbort},   {"ThrowsKvo", runThrowsKvo},
                                                             {"UntilStopped", runUntilStopped},
                                                             {"Observing", runObserving}};
        for (const auto& [name, function] : tests) m_host->registry().createTest(name, function);
        g_passing = m_host->registry().tests().front();
        g_event = m_host->registry().createEvent("UserClickedFail");
        m_host->setVersion(5, 0, "000000001");
        m_host->setModuleInitCallback(init);
        m_host->setModuleExitCallback(exit);
        arguments.insert(arguments.begin(), {"kvorkeyboard.mlx", "--results", m_results.emplace().path()});
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        m_host->setCmdLineArgs(static_cast<int>(argv.size()), argv.data());
        g_calls.clear();
        m_probe.stopFile = false;
        m_out.str(""), m_err.str("");
        return m_host->start(m_out, m_err);
    }
    bool reported() const { return !m_results->read("results.json").empty() || !m_results->read("results.xml").empty(); }

    kvo::ScopedLogCapture m_capture{3};
    kvo::testing::TempFolder m_texts;
    std::optional<kvo::testing::TempFolder> m_results;
    FakeStopProbe m_probe;
    FakeMachine m_machine;
    std::unique_ptr<Host> m_host;
    std::ostringstream m_out, m_err;
};

// Parameters exist only once init has created them, so bad parameter input
// is found after init; exit then undoes what init did before the host gives up.
// A usage error is one line; the host's own name the culprit printably. The
// listing, the version and the help run no test and write no report.
TEST_F(HostTest, EachCommandLineCallsTheModuleAsItShouldAndEndsWithItsCode) {
    const std::string settings = m_texts.write("bench.ini", "[parameters]\nbFlag = no\nszText = from file\n");
    const std::string hostile = m_texts.write("hostile.ini", "[parameters]\nbFlag\x1b[2J = 1\n");
    const std::string passed = "Pass noflag default kb en msgPass Passing";
    const Calls none, initExit{"init", "exit"}, stopped{"init", "Stopped after 7", "exit"};
    const struct {
        std::vector<std::string> arguments;
        int code;
        Calls calls;
        std::string message{};  // when given, all the error output
        std::string output{};   // when given, all the standard output
        ModuleCallback init = moduleInit, exit = moduleExit;
    } cases[] = {
        {{"--test", "Aborting", "--test", "Passing", "--test", "Failing", "--test", "Aborting"}, 1,
         {"init", "Abort", passed, "Fail", "exit"}},
        {{"--stop-after", "0"}, 3, {"init", passed, "Fail", "Abort", "Stopped after 0", "exit"}},
        {{"--test", "Passing"}, 3, initExit, "", "", moduleInitThrows},
        {{"--test", "UntilStopped", "--stop-after", "3"}, 2, {"init", "Stopped after 3", "exit"}},
        {{"--test", "UntilStopped", "--stop-after", "9", "--stop-file", "stop.now"}, 2, stopped},
        {{"--test", "UntilStopped"}, 2, {"init", "Stopped after 100", "exit"}},
        {{"--test=Passing", "--settings", settings, "--param=bFlag=YES"}, 0,
         {"init", "Pass flag from file kb en msgPass Passing", "exit"}},
        {{"--test", "Passing", "--device-without-keyboard"}, 0, {"init", "Pass noflag default en msgPass Passing", "exit"}},
        {{"--test", "Passing", "--language=de", "--texts", m_texts.path(), "--log", m_texts.path("run.log"),
          "--log-level", "1"}, 0, {"init", "Pass noflag default kb de Bestanden Passing test", "exit"}},
        {{"--test", "Passing", "--results", m_texts.write("occupied\r", "")}, 74, {"init", passed, "exit"},
         "cannot write the results to \"" + m_texts.path("occupied\\x0d") + "\""},
        {{"--settings", m_texts.write("bad.ini", "[parameters]\nno equals sign\n")}, 64, none},
        {{"--log", m_texts.path("no\x1b/x.log")}, 64, none,
         "cannot open the log file \"" + m_texts.path("no\\x1b/x.log") + "\""},
        {{"--param", "bNoSuch\r=1"}, 64, initExit, "--param: unknown parameter \"bNoSuch\\x0d\""},
        {{"--param", "szFixed=x"}, 64, initExit, "--param: parameter \"szFixed\" cannot be set"},
        {{"--param", "bFlag=maybe\xff"}, 64, initExit,
         "--param: \"maybe\\xff\" is not a BOOLEAN value for parameter \"bFlag\" (true/false, 1/0, yes/no)"},
        {{"--settings", hostile}, 64, initExit, hostile + ": unknown parameter \"bFlag\\x1b[2J\""},
        {{"--list", "--param", "bNoSuch=1"}, 64, initExit},
        {{"--list"}, 0, initExit, "",
         "Tests:\n  Passing\n    bFlag BOOLEAN default \"false\"\n  Failing\n  Aborting\n  ThrowsKvo\n"
         "  UntilStopped\n  Observing\nParameters:\n  bFlag BOOLEAN default \"false\" per-test\n"
         "  szText STRING default \"default\" module-wide\n  szFixed STRING default \"\" module-wide fixed\n"
         "Events:\n  UserClickedFail\n"},
        {{"--list", "--version"}, 0, none, "", "5.0.000000001\n"},
        {{"--help", "--list"}, 0, none, "", usageText("kvorkeyboard.mlx")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " " + c.arguments.back());
        EXPECT_EQ(c.code, run(c.arguments, c.init, c.exit));
        EXPECT_EQ(c.calls, g_calls);
        const std::string err = m_err.str();
        EXPECT_EQ(c.message.empty() ? err : "kvorkeyboard.mlx: " + c.message + "\n", err);
        if (!c.output.empty()) {
            EXPECT_EQ(c.output, m_out.str());
            EXPECT_FALSE(reported());
        }
        if (c.code != exitcode::kUsage) continue;
        EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n')) << err;
        EXPECT_EQ("", m_out.str());
        EXPECT_FALSE(reported());
    }
    EXPECT_NE(std::string::npos, m_texts.read("run.log").find("Running Passing"));  // at level 1
}

// The reports are written from what the run recorded, which is checked here;
// their format is the reports' own business.
TEST_F(HostTest, TheRunRecordsResultsParametersEventsAndWhatThrew) {
    EXPECT_EQ(3, run({"--test", "Failing", "--test", "ThrowsKvo", "--test", "Passing"}, moduleInit, moduleExitThrows));
    const RunRecord& r = m_host->lastRun();
    Calls results, events;
    for (const TestRecord& test : r.tests) results.push_back(test.result);
    for (const EventRecord& e : r.tests.at(0).events)
        events.push_back(e.event + (e.isError ? " error " : " warning ") + e.message + " " + std::to_string(e.code));
    EXPECT_EQ((Calls{"FAIL", "INTERNALERROR", "PASS"}), results);
    EXPECT_EQ((Calls{"UserClickedFail warning Dlg.cpp 11", "UserClickedFail error Dlg.cpp 12"}), events);
    EXPECT_EQ(kvo::AssertionFailure("Dlg", 78, "m_pHook != 0").getMessage().toUtf8(), r.tests[1].exception);
    EXPECT_EQ(1500, r.tests[2].milliseconds);
    using Values = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ((Values{{"bFlag", "false"}, {"szText", "default"}, {"szFixed", ""}}), r.tests[2].parameters);
    std::string summary;
    for (const TestRecord& test : r.tests) summary += summaryLine(test) + "\n";
    EXPECT_EQ(summary + "INTERNALERROR exit callback: lock keys lost\n", m_out.str());
    EXPECT_EQ(toJson(r, 3), m_results->read("results.json"));
    EXPECT_EQ(toJUnitXml(r), m_results->read("results.xml"));

    const std::string noKeyboard = "init callback: " + kvo::NullPointer("no keyboard").getMessage().toUtf8();
    EXPECT_EQ(3, run({"--test", "Passing"}, moduleInitThrows));
    EXPECT_EQ("not run: the init callback failed", m_host->lastRun().tests.at(0).exception);
    EXPECT_EQ(Calls{noKeyboard}, m_host->lastRun().moduleErrors);
    EXPECT_EQ(3, run({"--list"}, moduleInitThrows));
    EXPECT_EQ("kvorkeyboard.mlx: " + noKeyboard + "\n", m_err.str());
}

TEST_F(HostTest, TheMachineThePictureAndAVerdictFailedOnChatterReachTheReports) {
    EXPECT_EQ(0, run({"--test", "Observing", "--chatter-ms", "1000"}));
    const auto json = [this] { return m_results->read("results.json"); };
    EXPECT_NE(std::string::npos, json().find(R"(  "machine": {
    "manufacturer": "HP",
    "productName": "Elite",
    "windowsVersion": "10.0.19045",
    "keyboards": [
      {"deviceName": "\\\\?\\hid#vid_046d&pid_c31c&mi_00", "vendorId": "046D", "productId": "C31C"},
      {"deviceName": "\\\\?\\HID#VID_XYZW&PID_12"}
    ]
  },
  "exitCode": 0,)")) << json();
    EXPECT_NE(std::string::npos, json().find("\"chatterThresholdMs\": 1000,"));
    EXPECT_EQ("\x89PNG", m_results->read("Observing-keyboard.png"));
    EXPECT_NE(std::string::npos,
              m_results->read("results.xml").find("<property name=\"machine.productName\" value=\"Elite\"/>"));

    EXPECT_EQ(1, run({"--test", "Observing", "--fail-on-chatter", "--chatter-ms", "1"}));
    EXPECT_EQ(0u, m_out.str().find("FAIL Observing 0.000 s: chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\n"));
    EXPECT_NE(std::string::npos, json().find("\"reason\": \"chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\""));
    g_observedResult = TestResult::USERABORTED();
    EXPECT_EQ(2, run({"--test", "Observing", "--fail-on-chatter"}));
    g_observedResult = TestResult::PASS();
    EXPECT_EQ(0, run({"--test", "Observing"}));
    EXPECT_NE(std::string::npos, json().find("\"chatterThresholdMs\": 30,"));
}
