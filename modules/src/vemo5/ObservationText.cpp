#include "ObservationText.h"

#include <cstdio>

namespace vemo5 {
namespace {

template <typename Items, typename Text>
std::string joined(const Items& items, const char* separator, Text text) {
    std::string line;
    for (const auto& item : items) line += (line.empty() ? "" : separator) + text(item);
    return line;
}

std::string itself(const std::string& text) { return text; }

std::string chatterLine(const Chatter& chatter) {
    return "chatter: " + chatter.name + " " + std::to_string(chatter.count) + "x, shortest " +
           millisecondsText(chatter.shortestGapMs) + " ms";
}

std::string keyLine(const KeyStatistics& key) {
    std::string line = "key " + std::to_string(key.key) + " " + key.name + ": " + std::to_string(key.presses) +
                       (key.presses == 1 ? " press" : " presses");
    if (key.shortestHoldMs && key.longestHoldMs)
        line += ", held " + millisecondsText(*key.shortestHoldMs) + " to " + millisecondsText(*key.longestHoldMs) +
                " ms";
    if (key.shortestGapMs) line += ", shortest gap " + millisecondsText(*key.shortestGapMs) + " ms";
    return line;
}

}  // namespace

std::string millisecondsText(double milliseconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", milliseconds);
    return buffer;
}

std::vector<std::string> findingLines(const Observations& observations) {
    std::vector<std::string> lines;
    if (observations.keysNotPressed && !observations.keysNotPressed->empty())
        lines.push_back("not pressed: " +
                        joined(*observations.keysNotPressed, ", ", [](const PictureKey& key) {
                            return key.name.empty() ? "key " + std::to_string(key.key) : key.name;
                        }));
    for (const Chatter& chatter : observations.chatter) lines.push_back(chatterLine(chatter));
    if (!observations.keysDownAtEnd.empty())
        lines.push_back("still down at end: " + joined(observations.keysDownAtEnd, ", ", itself));
    return lines;
}

std::string chatterText(const Observations& observations) {
    return joined(observations.chatter, "; ", chatterLine);
}

std::vector<std::string> detailLines(const Observations& observations) {
    std::vector<std::string> lines;
    for (const KeyStatistics& key : observations.keys) lines.push_back(keyLine(key));
    for (std::string& finding : findingLines(observations)) lines.push_back(std::move(finding));
    lines.push_back("chatter threshold: " + std::to_string(observations.chatterThresholdMs) + " ms");
    lines.push_back("most keys down: " + std::to_string(observations.mostKeysDown) + " (" +
                    joined(observations.mostKeysDownNames, ", ", itself) + ")");
    return lines;
}

}  // namespace vemo5
