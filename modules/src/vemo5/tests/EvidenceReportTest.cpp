#include <gtest/gtest.h>

#include <sstream>

#include "../CommandLine.h"
#include "../Host.h"
#include "TempFolder.h"
#include "kvo/Logging.h"

namespace vemo5 {
namespace {

class FakeClock : public StopProbe {
public:
    std::chrono::steady_clock::time_point now() const override { return {}; }
    bool fileExists(const std::string&) const override { return false; }
};

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

TestResult g_result = TestResult::PASS();

TestResult runObserving(const DiagDevice&) {
    Observations o;
    o.chatter = {{30, "A", 1, 6.1}};
    o.chatterThresholdMs = DiagModule::chatterThresholdMs();
    o.picturePng = {0x89, 'P', 'N', 'G'};
    DiagModule::recordObservations(o);
    return g_result;
}

class EvidenceReport : public ::testing::Test {
protected:
    EvidenceReport() : m_host(m_results.path(), m_clock, m_machine) {
        m_host.registry().createTest("KeyboardLayoutTest", DeviceCapability::Keyboard(), runObserving);
    }
    int run(std::vector<std::string> arguments, TestResult result = TestResult::PASS()) {
        g_result = result;
        arguments.insert(arguments.begin(), {"kvorkeyboard.mlx", "--results", m_results.path()});
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        m_host.setCmdLineArgs(static_cast<int>(argv.size()), argv.data());
        return m_host.start(m_out, m_out);
    }
    std::string json() const { return m_results.read("results.json"); }

    kvo::ScopedLogCapture m_capture{3};
    testing::TempFolder m_results;
    FakeClock m_clock;
    FakeMachine m_machine;
    Host m_host;
    std::ostringstream m_out;
};

TEST_F(EvidenceReport, TheMachineLeavesOutWhatCannotBeReadAndThePictureIsSavedBesideTheReports) {
    EXPECT_EQ(0, run({"--chatter-ms", "1000"}));
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
    EXPECT_EQ("\x89PNG", m_results.read("KeyboardLayoutTest-keyboard.png"));
    EXPECT_NE(std::string::npos, m_results.read("results.xml").find("<property name=\"machine.productName\" value=\"Elite\"/>"));
}

TEST_F(EvidenceReport, FailOnChatterFailsAPassAndNothingElse) {
    EXPECT_EQ(1, run({"--fail-on-chatter", "--chatter-ms", "1"}));
    EXPECT_EQ(0u, m_out.str().find("FAIL KeyboardLayoutTest 0.000 s: chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\n"));
    EXPECT_NE(std::string::npos, json().find("\"reason\": \"chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\""));
    EXPECT_EQ(2, run({"--fail-on-chatter"}, TestResult::USERABORTED()));
    EXPECT_EQ(0, run({}));
    EXPECT_NE(std::string::npos, json().find("\"chatterThresholdMs\": 30,"));
}

}  // namespace
}  // namespace vemo5
