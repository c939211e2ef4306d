#pragma once
// What a module saw of the device during one test, handed to the host with
// DiagModule::recordObservations; the host writes it into its reports. Key
// identifiers are scan codes, plus 0x100 for extended keys.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vemo5 {

struct KeyStatistics {
    unsigned key = 0;
    std::string name;
    unsigned presses = 0;
    // Absent when no press was followed by its release, or no release by a press.
    std::optional<double> shortestHoldMs;
    std::optional<double> longestHoldMs;
    std::optional<double> shortestGapMs;
};

// Releases followed by a press of the same key sooner than the threshold.
struct Chatter {
    unsigned key = 0;
    std::string name;
    unsigned count = 0;
    double shortestGapMs = 0;
};

struct PictureKey {
    unsigned key = 0;
    std::string name;
};

struct Observations {
    std::vector<KeyStatistics> keys;
    std::vector<Chatter> chatter;
    unsigned chatterThresholdMs = 0;
    unsigned mostKeysDown = 0;
    std::vector<std::string> mostKeysDownNames;
    std::vector<std::string> keysDownAtEnd;
    // Only from a test that shows a keyboard picture: its keys never pressed,
    // in picture order.
    std::optional<std::vector<PictureKey>> keysNotPressed;
    // That picture as it stood at the end, as PNG; the host saves it beside
    // its reports when it is not empty.
    std::vector<std::uint8_t> picturePng;
};

}  // namespace vemo5
