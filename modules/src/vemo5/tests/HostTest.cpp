#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>

#include "../Host.h"
#include "TempFolder.h"
#include "kvo/Exception.h"
#include "kvo/Logging.h"

namespace vemo5 {
namespace {

using namespace std::chrono_literals;

class FakeStopProbe : public StopProbe {
public:
    std::chrono::steady_clock::time_point now() const override { return time; }
    bool fileExists(const std::string& utf8Path) const override { return files.count(utf8Path) != 0; }
    std::chrono::steady_clock::time_point time{};
    std::set<std::string> files;
};

// What the module under test saw and did, in order; run functions and
// callbacks are plain function pointers, so they reach the test through these.
std::vector<std::string> g_calls;
FakeStopProbe* g_probe = nullptr;
Test* g_passing = nullptr;
Parameter* g_flag = nullptr;
Parameter* g_text = nullptr;
Event* g_event = nullptr;

void moduleInit() {
    g_calls.push_back("init");
    g_flag = DiagModule::createParameter("bFlag", DataType::BOOLEAN(), "false", false, true);
    g_text = DiagModule::createParameter("szText", DataType::STRING(), "default", true, true);
    DiagModule::createParameter("szFixed", DataType::STRING(), "", true, false);
    g_passing->addParameter(g_flag);
}
void moduleInitThrows() {
    g_calls.push_back("init");
    throw kvo::NullPointer("no keyboard");
}
void moduleExit() { g_calls.push_back("exit"); }
void moduleExitThrows() {
    g_calls.push_back("exit");
    throw std::logic_error("lock keys lost");
}

TestResult runPass(const DiagDevice& device) {
    g_calls.push_back(std::string("Pass ") + (g_flag->value().valueBool() ? "flag " : "noflag ") +
                      g_text->value().text() + (device.intersectCapability(DeviceCapability::Keyboard()) ? " kb" : ""));
    g_probe->time += 1500ms;
    return TestResult::PASS();
}
TestResult runFail(const DiagDevice&) {
    g_calls.push_back("Fail");
    DiagModule::warning(g_event, "Dlg.cpp", 11);
    DiagModule::error(g_event, "Dlg.cpp", 12);
    return TestResult::FAIL();
}
TestResult runAbort(const DiagDevice&) {
    g_calls.push_back("Abort");
    return TestResult::USERABORTED();
}
TestResult runThrowsKvo(const DiagDevice&) {
    g_calls.push_back("ThrowsKvo");
    throw kvo::AssertionFailure("Dlg", 78, "m_pHook != 0");
}
TestResult runThrowsStd(const DiagDevice&) {
    g_calls.push_back("ThrowsStd");
    throw std::runtime_error("out of handles");
}
// Stands for a dialog that polls while the operator works.
TestResult runUntilStopped(const DiagDevice&) {
    int polls = 0;
    while (!DiagModule::checkForStop() && polls < 100) {
        ++polls;
        g_probe->time += 1s;
        if (polls == 7) g_probe->files.insert("stop.now");
    }
    g_calls.push_back("Stopped after " + std::to_string(polls));
    return TestResult::USERABORTED();
}
TestResult runReadsTexts(const DiagDevice&) {
    LocalizedString* text = DiagModule::createLocalizedString(VemoString("msgPass"));
    g_calls.push_back(DiagModule::getLanguage().code() + " " + text->localizedString().utf8() + " " +
                      g_passing->localizedName().utf8());
    return TestResult::PASS();
}

class HostTest : public ::testing::Test {
protected:
    HostTest() : m_host(m_texts.path(), m_probe) {
        g_calls.clear();
        g_probe = &m_probe;
        m_texts.write("en.txt", "msgPass = Pass\nPassing = Passing test\n");
        m_texts.write("de.txt", "msgPass = Bestanden\n");
        Registry& registry = m_host.registry();
        g_passing = registry.createTest("Passing", DeviceCapability::Keyboard(), runPass);
        registry.createTest("Failing", DeviceCapability::Keyboard(), runFail);
        registry.createTest("Aborting", DeviceCapability::Keyboard(), runAbort);
        registry.createTest("ThrowsKvo", DeviceCapability::Keyboard(), runThrowsKvo);
        registry.createTest("ThrowsStd", DeviceCapability::Keyboard(), runThrowsStd);
        registry.createTest("UntilStopped", DeviceCapability::Keyboard(), runUntilStopped);
        registry.createTest("ReadsTexts", DeviceCapability::Keyboard(), runReadsTexts);
        g_event = registry.createEvent("UserClickedFail");
        m_host.setVersion(5, 0, "000000001");
        m_host.setModuleInitCallback(moduleInit);
        m_host.setModuleExitCallback(moduleExit);
    }

    // Runs the host on `arguments`, with the results in this test's folder.
    int run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"kvorkeyboard.mlx", "--results", m_results.path()});
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        m_host.setCmdLineArgs(static_cast<int>(argv.size()), argv.data());
        m_out.str("");
        m_err.str("");
        return m_host.start(m_out, m_err);
    }
    std::string json() const { return m_results.read("results.json"); }
    bool reported() const { return m_results.exists("results.json") || m_results.exists("results.xml"); }

    kvo::ScopedLogCapture m_capture{3};
    testing::TempFolder m_texts;
    testing::TempFolder m_results;
    FakeStopProbe m_probe;
    Host m_host;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(HostTest, RunsInitTheChosenTestsInOrderThenExitAndReportsTheWorstResult) {
    EXPECT_EQ(exitcode::kTestFailed, run({"--test", "Aborting", "--test", "Passing", "--test", "Failing"}));
    EXPECT_EQ((std::vector<std::string>{"init", "Abort", "Pass noflag default kb", "Fail", "exit"}), g_calls);
    EXPECT_EQ("USERABORTED Aborting 0.000 s: aborted by the operator\n"
              "PASS Passing 1.500 s\n"
              "FAIL Failing 0.000 s: UserClickedFail: Dlg.cpp (12)\n",
              m_out.str());
    EXPECT_EQ("", m_err.str());
    EXPECT_NE(std::string::npos, json().find("\"exitCode\": 1,"));
    EXPECT_NE(std::string::npos, json().find("\"parameters\": {\"bFlag\": \"false\", \"szText\": \"default\", "
                                             "\"szFixed\": \"\"}"));
    EXPECT_NE(std::string::npos, json().find("{\"event\": \"UserClickedFail\", \"severity\": \"warning\", "
                                             "\"message\": \"Dlg.cpp\", \"code\": 11}"));
    EXPECT_NE(std::string::npos, m_results.read("results.xml").find("<failure type=\"FAIL\""));
}

TEST_F(HostTest, WithoutTestOptionsEveryTestRunsInRegistrationOrder) {
    EXPECT_EQ(exitcode::kInternalError, run({"--stop-after", "0"}));
    EXPECT_EQ((std::vector<std::string>{"init", "Pass noflag default kb", "Fail", "Abort", "ThrowsKvo", "ThrowsStd",
                                        "Stopped after 0", "en Pass Passing test", "exit"}),
              g_calls);
}

TEST_F(HostTest, AThrowingTestIsAnInternalErrorAndTheRunGoesOn) {
    EXPECT_EQ(exitcode::kInternalError, run({"--test", "ThrowsKvo", "--test", "ThrowsStd", "--test", "Aborting"}));
    EXPECT_EQ((std::vector<std::string>{"init", "ThrowsKvo", "ThrowsStd", "Abort", "exit"}), g_calls);
    EXPECT_NE(std::string::npos, m_out.str().find("INTERNALERROR ThrowsKvo 0.000 s: Assertion failed: m_pHook != 0"));
    EXPECT_NE(std::string::npos, m_out.str().find("INTERNALERROR ThrowsStd 0.000 s: out of handles\n"));
    EXPECT_NE(std::string::npos, json().find("\"exception\": \"out of handles\""));
    EXPECT_NE(std::string::npos, m_results.read("results.xml").find("<error type=\"INTERNALERROR\" message=\"out of"));
}

TEST_F(HostTest, AThrowingInitRunsNoTestButExitAndStillReports) {
    m_host.setModuleInitCallback(moduleInitThrows);
    EXPECT_EQ(exitcode::kInternalError, run({"--test", "Passing"}));
    EXPECT_EQ((std::vector<std::string>{"init", "exit"}), g_calls);
    EXPECT_NE(std::string::npos, json().find("\"moduleErrors\": [\n    \"init callback: Null pointer: no keyboard\"\n  ]"));
    EXPECT_NE(std::string::npos, json().find("\"exception\": \"not run: the init callback failed\""));
    EXPECT_NE(std::string::npos, m_out.str().find("INTERNALERROR init callback: Null pointer: no keyboard\n"));
}

TEST_F(HostTest, AThrowingExitIsAnInternalErrorOfTheRun) {
    m_host.setModuleExitCallback(moduleExitThrows);
    EXPECT_EQ(exitcode::kInternalError, run({"--test", "Passing"}));
    EXPECT_EQ(3u, g_calls.size());
    EXPECT_NE(std::string::npos, json().find("\"result\": \"PASS\""));
    EXPECT_NE(std::string::npos, json().find("\"exit callback: lock keys lost\""));

    m_host.setModuleInitCallback(moduleInitThrows);
    m_host.setModuleExitCallback(moduleExit);
    EXPECT_EQ(exitcode::kInternalError, run({"--list"}));
    EXPECT_EQ("", m_out.str());
    EXPECT_EQ("kvorkeyboard.mlx: init callback: Null pointer: no keyboard\n", m_err.str());
}

// Parameters exist only once init has created them, so bad parameter input
// is found after init; exit then undoes what init did before the host gives up.
TEST_F(HostTest, BadInputIsOneLineOfUsageErrorAndRunsNoTest) {
    const std::string malformed = m_texts.write("bad.ini", "[parameters]\nno equals sign\n");
    const std::string unknownInFile = m_texts.write("unknown.ini", "[parameters]\nbFlagg = 1\n");
    const std::vector<std::string> none, initAndExit{"init", "exit"};
    const struct {
        std::vector<std::string> arguments;
        std::string message;
        const std::vector<std::string>& calls;
    } cases[] = {
        {{"--frobnicate"}, "unknown option \"--frobnicate\"", none},
        {{"--test", "Passing", "--test", "NoSuchTest"}, "unknown test \"NoSuchTest\"", none},
        {{"--language", "tlh"}, "unknown language \"tlh\"", none},
        {{"--list", "--texts"}, "--texts needs DIR", none},
        {{"--settings", m_texts.path("none.ini")}, "cannot read the settings file \"" + m_texts.path("none.ini"), none},
        {{"--settings", malformed}, malformed + ":2: expected name = value", none},
        {{"--log", m_texts.path("no/such/folder/x.log")}, "cannot open the log file", none},
        {{"--param", "bNoSuch=1"}, "--param: unknown parameter \"bNoSuch\"", initAndExit},
        {{"--param", "bFlag=maybe"}, "--param: \"maybe\" is not a BOOLEAN value for parameter \"bFlag\"", initAndExit},
        {{"--param", "szFixed=x"}, "--param: parameter \"szFixed\" cannot be set", initAndExit},
        {{"--settings", unknownInFile}, unknownInFile + ": unknown parameter \"bFlagg\"", initAndExit},
        {{"--list", "--param", "bNoSuch=1"}, "--param: unknown parameter \"bNoSuch\"", initAndExit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        g_calls.clear();
        EXPECT_EQ(exitcode::kUsage, run(c.arguments));
        const std::string err = m_err.str();
        EXPECT_EQ(0u, err.find("kvorkeyboard.mlx: " + c.message)) << err;
        EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n'));
        EXPECT_EQ(c.calls, g_calls);
        EXPECT_EQ("", m_out.str());
        EXPECT_FALSE(reported());
    }
}

// What the test sees: the settings file under the command line, the device's
// capabilities, and the texts of the chosen language during the run only.
TEST_F(HostTest, TheRunSeesItsParametersDeviceAndLanguage) {
    const std::string settings = m_texts.write("bench.ini", "[parameters]\nbFlag = no\nszText = from file\n");
    const struct {
        std::vector<std::string> arguments;
        const char* seen;
    } cases[] = {
        {{"--settings", settings, "--param", "bFlag=YES", "--test", "Passing"}, "Pass flag from file kb"},
        {{"--test", "Passing", "--device-without-keyboard"}, "Pass noflag default"},
        {{"--test", "ReadsTexts", "--language", "de", "--texts", m_texts.path()}, "de Bestanden Passing test"},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        EXPECT_EQ(exitcode::kAllPassed, run(c.arguments));
        EXPECT_EQ(c.seen, g_calls.at(1));
    }
    EXPECT_EQ(Language::en(), DiagModule::getLanguage());  // outside the run: the process's own host
}

TEST_F(HostTest, StopsAfterTheTimeOrOnceTheFileExists) {
    const struct {
        std::vector<std::string> arguments;
        const char* seen;
    } cases[] = {
        {{"--stop-after", "3"}, "Stopped after 3"},
        {{"--stop-file", "stop.now"}, "Stopped after 7"},
        {{"--stop-after", "9", "--stop-file", "stop.now"}, "Stopped after 7"},
        {{}, "Stopped after 100"},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        m_probe.files.clear();
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--test", "UntilStopped"});
        EXPECT_EQ(exitcode::kTestAborted, run(arguments));
        EXPECT_EQ((std::vector<std::string>{"init", c.seen, "exit"}), g_calls);
    }
}

TEST_F(HostTest, ListVersionAndHelpRunNoTest) {
    EXPECT_EQ(exitcode::kAllPassed, run({"--list"}));
    EXPECT_EQ((std::vector<std::string>{"init", "exit"}), g_calls);
    EXPECT_EQ(0u, m_out.str().find("Tests:\n  Passing\n    bFlag BOOLEAN default \"false\"\n  Failing\n"));
    EXPECT_NE(std::string::npos, m_out.str().find("Parameters:\n  bFlag BOOLEAN default \"false\" per-test\n"
                                                  "  szText STRING default \"default\" module-wide\n"
                                                  "  szFixed STRING default \"\" module-wide fixed\n"
                                                  "Events:\n  UserClickedFail\n"));
    g_calls.clear();
    EXPECT_EQ(exitcode::kAllPassed, run({"--version"}));
    EXPECT_EQ("5.0.000000001\n", m_out.str());
    EXPECT_EQ(exitcode::kAllPassed, run({"--help"}));
    EXPECT_EQ(0u, m_out.str().find("Usage: kvorkeyboard.mlx [options]"));
    EXPECT_TRUE(g_calls.empty());
    EXPECT_FALSE(reported());
}

TEST_F(HostTest, ReportsThatCannotBeWrittenHaveTheirOwnExitCode) {
    std::string notAFolder = m_texts.write("occupied", "a file where the results folder should be");
    EXPECT_EQ(exitcode::kReportNotWritten, run({"--test", "Passing", "--results", notAFolder}));
    EXPECT_EQ("PASS Passing 1.500 s\n", m_out.str());
    EXPECT_EQ("kvorkeyboard.mlx: cannot write the results to \"" + notAFolder + "\"\n", m_err.str());
}

TEST_F(HostTest, EventsOutsideATestAreLoggedNotReported) {
    m_host.raise(g_event, "Init.cpp", 5, true);
    auto entries = m_capture.sink().entries();
    ASSERT_EQ(1u, entries.size());
    EXPECT_NE(std::string::npos, entries[0].message.find("Event UserClickedFail raised outside a test: Init.cpp (5)"));
}

}  // namespace
}  // namespace vemo5
