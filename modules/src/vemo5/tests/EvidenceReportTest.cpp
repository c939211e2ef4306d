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

TEST(EvidenceReport, TheMachineThePictureAndAVerdictFailedOnChatterReachTheReports) {
    kvo::ScopedLogCapture capture{3};
    testing::TempFolder results;
    FakeClock clock;
    FakeMachine machine;
    Host host(results.path(), clock, machine);
    host.registry().createTest("KeyboardLayoutTest", runObserving);
    std::ostringstream out;
    const auto run = [&](std::vector<std::string> arguments, TestResult result) {
        g_result = result;
        arguments.insert(arguments.begin(), {"kvorkeyboard.mlx", "--results", results.path()});
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        host.setCmdLineArgs(static_cast<int>(argv.size()), argv.data());
        out.str("");
        return host.start(out, out);
    };
    const auto json = [&results] { return results.read("results.json"); };

    EXPECT_EQ(0, run({"--chatter-ms", "1000"}, TestResult::PASS()));
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
    EXPECT_EQ("\x89PNG", results.read("KeyboardLayoutTest-keyboard.png"));
    EXPECT_NE(std::string::npos,
              results.read("results.xml").find("<property name=\"machine.productName\" value=\"Elite\"/>"));

    EXPECT_EQ(1, run({"--fail-on-chatter", "--chatter-ms", "1"}, TestResult::PASS()));
    EXPECT_EQ(0u,
              out.str().find("FAIL KeyboardLayoutTest 0.000 s: chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\n"));
    EXPECT_NE(std::string::npos, json().find("\"reason\": \"chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\""));
    EXPECT_EQ(2, run({"--fail-on-chatter"}, TestResult::USERABORTED()));
    EXPECT_EQ(0, run({}, TestResult::PASS()));
    EXPECT_NE(std::string::npos, json().find("\"chatterThresholdMs\": 30,"));
}

}  // namespace
}  // namespace vemo5
