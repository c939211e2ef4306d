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

class FakeMachine : public MachineSource {
public:
    // A system structure alone: no BIOS facts, and no serial number.
    std::vector<std::uint8_t> smbiosTable() const override {
        return {0, 3, 4, 0, 18, 0, 0, 0, 1, 8, 0, 0, 1, 2, 0, 0, 'H', 'P', 0, 'E', 'l', 'i', 't', 'e', 0, 0};
    }
    std::string windowsVersion() const override { return "10.0.19045"; }
    std::vector<std::string> keyboardDeviceNames() const override {
        return {R"(\\?\HID#VID_046D&PID_C31C&MI_00#7)", R"(\\?\WINE_KEYBOARD)"};
    }
};

TestResult g_result = TestResult::PASS();
unsigned g_threshold = 0;

Observations sample() {
    Observations o;
    o.keys = {{30, "A", 2, 81.25, 95.0, 6.1}, {31, "S", 1, std::nullopt, std::nullopt, std::nullopt}};
    o.chatter = {{30, "A", 1, 6.1}};
    o.chatterThresholdMs = g_threshold;
    o.mostKeysDown = 2;
    o.mostKeysDownNames = {"A", "S"};
    o.keysDownAtEnd = {"S"};
    o.keysNotPressed = std::vector<PictureKey>{{1, "Esc"}, {63, "F5"}};
    o.picturePng = {0x89, 'P', 'N', 'G'};
    return o;
}

TestResult runObserving(const DiagDevice&) {
    g_threshold = DiagModule::chatterThresholdMs();
    DiagModule::recordObservations(sample());
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
        m_out.str("");
        return m_host.start(m_out, m_out);
    }

    kvo::ScopedLogCapture m_capture{3};
    testing::TempFolder m_results;
    FakeClock m_clock;
    FakeMachine m_machine;
    Host m_host;
    std::ostringstream m_out;
};

TEST_F(EvidenceReport, EveryReportCarriesTheObservationsThePictureAndTheMachine) {
    EXPECT_EQ(0, run({"--chatter-ms", "12"}));
    EXPECT_EQ("PASS KeyboardLayoutTest 0.000 s\n"
              "  not pressed: Esc, F5\n"
              "  chatter: A 1x, shortest 6.1 ms\n"
              "  still down at end: S\n",
              m_out.str());
    const std::string picture = (std::filesystem::absolute(m_results.path("KeyboardLayoutTest-keyboard.png"))).u8string();
    EXPECT_EQ("\x89PNG", m_results.read("KeyboardLayoutTest-keyboard.png"));

    const std::string json = m_results.read("results.json");
    EXPECT_NE(std::string::npos, json.find(R"(  "machine": {
    "manufacturer": "HP",
    "productName": "Elite",
    "windowsVersion": "10.0.19045",
    "keyboards": [
      {"deviceName": "\\\\?\\HID#VID_046D&PID_C31C&MI_00#7", "vendorId": "046D", "productId": "C31C"},
      {"deviceName": "\\\\?\\WINE_KEYBOARD"}
    ]
  },
  "exitCode": 0,)")) << json;
    EXPECT_NE(std::string::npos, json.find(R"("observations": {
        "keys": [
          {"key": 30, "name": "A", "presses": 2, "shortestHoldMs": 81.2, "longestHoldMs": 95.0, "shortestGapMs": 6.1},
          {"key": 31, "name": "S", "presses": 1}
        ],
        "chatter": [
          {"key": 30, "name": "A", "count": 1, "shortestGapMs": 6.1}
        ],
        "chatterThresholdMs": 12,
        "mostKeysDown": {"count": 2, "keys": ["A", "S"]},
        "keysDownAtEnd": ["S"],
        "keysNotPressed": [
          {"key": 1, "name": "Esc"},
          {"key": 63, "name": "F5"}
        ],
        "picture": "KeyboardLayoutTest-keyboard.png"
      }
    })")) << json;

    const std::string xml = m_results.read("results.xml");
    for (const std::string& part : std::vector<std::string>{
             "<property name=\"machine.manufacturer\" value=\"HP\"/>",
          "<property name=\"observations.keysNotPressed\" value=\"1 Esc, 63 F5\"/>",
          "<property name=\"observations.mostKeysDown\" value=\"2: A, S\"/>",
          "key 30 A: 2 presses, held 81.2 to 95.0 ms, shortest gap 6.1 ms&#10;key 31 S: 1 press&#10;",
          "chatter threshold: 12 ms&#10;", "[[ATTACHMENT|" + picture + "]]&#10;"})
        EXPECT_NE(std::string::npos, xml.find(part)) << part << "\n" << xml;
}

TEST_F(EvidenceReport, FailOnChatterFailsAPassAndNothingElse) {
    EXPECT_EQ(1, run({"--fail-on-chatter"}));
    EXPECT_EQ(0u, m_out.str().find("FAIL KeyboardLayoutTest 0.000 s: chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\n"));
    EXPECT_NE(std::string::npos, m_results.read("results.json").find(
                                     "\"reason\": \"chatter: A 1x, shortest 6.1 ms (--fail-on-chatter)\""));
    EXPECT_EQ(30u, g_threshold);
    EXPECT_EQ(2, run({"--fail-on-chatter"}, TestResult::USERABORTED()));
    EXPECT_EQ(0, run({}));
}

TEST(EvidenceOptions, ChatterThresholdTakesWholeMillisecondsFrom1To1000) {
    for (const char* good : {"1", "1000"})
        EXPECT_EQ(std::stoul(good), parseCommandLine({"--chatter-ms", good}).options.chatterMs);
    EXPECT_TRUE(parseCommandLine({"--fail-on-chatter"}).options.failOnChatter);
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--chatter-ms", "0"}, {"--chatter-ms", "1001"}, {"--chatter-ms", "-5"}, {"--chatter-ms", "5.5"},
             {"--chatter-ms", ""}, {"--chatter-ms"}, {"--fail-on-chatter=yes"}})
        EXPECT_NE("", parseCommandLine(bad).error) << bad.back();
}

}  // namespace
}  // namespace vemo5
