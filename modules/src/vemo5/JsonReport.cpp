#include <filesystem>
#include <optional>
#include <utility>

#include "ObservationText.h"
#include "Report.h"
#include "ReportEscape.h"

namespace vemo5 {
namespace {

std::string quoted(const std::string& text) { return "\"" + jsonEscape(text) + "\""; }

// `[a, b]` with each item written by `write`, one per line at `indent`.
template <typename Items, typename Write>
std::string array(const Items& items, const std::string& indent, Write write) {
    if (items.empty()) return "[]";
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? ",\n" : "\n") + indent + "  " + write(items[i]);
    return text + "\n" + indent + "]";
}

std::string eventJson(const EventRecord& event) {
    return "{\"event\": " + quoted(event.event) + ", \"severity\": " + quoted(event.isError ? "error" : "warning") +
           ", \"message\": " + quoted(event.message) + ", \"code\": " + std::to_string(event.code) + "}";
}

// `"name": value` pairs in braces, on one line.
std::string object(const std::vector<std::string>& members) {
    std::string text = "{";
    for (std::size_t i = 0; i < members.size(); ++i) text += (i ? ", " : "") + members[i];
    return text + "}";
}

std::string member(const char* name, const std::string& json) { return quoted(name) + ": " + json; }

// `["a", "b"]` on one line.
std::string names(const std::vector<std::string>& texts) {
    std::string text = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) text += (i ? ", " : "") + quoted(texts[i]);
    return text + "]";
}

std::string keyJson(const KeyStatistics& key) {
    std::vector<std::string> members = {member("key", std::to_string(key.key)), member("name", quoted(key.name)),
                                        member("presses", std::to_string(key.presses))};
    const std::pair<const char*, const std::optional<double>&> times[] = {
        {"shortestHoldMs", key.shortestHoldMs},
        {"longestHoldMs", key.longestHoldMs},
        {"shortestGapMs", key.shortestGapMs}};
    for (const auto& [name, value] : times)
        if (value) members.push_back(member(name, millisecondsText(*value)));
    return object(members);
}

std::string chatterJson(const Chatter& chatter) {
    return object({member("key", std::to_string(chatter.key)), member("name", quoted(chatter.name)),
                   member("count", std::to_string(chatter.count)),
                   member("shortestGapMs", millisecondsText(chatter.shortestGapMs))});
}

std::string pictureKeyJson(const PictureKey& key) {
    return object({member("key", std::to_string(key.key)), member("name", quoted(key.name))});
}

std::string observationsJson(const TestRecord& test) {
    const Observations& o = *test.observations;
    const std::string in = "        ";
    std::string j = "{\n";
    j += in + member("keys", array(o.keys, in, keyJson)) + ",\n";
    j += in + member("chatter", array(o.chatter, in, chatterJson)) + ",\n";
    j += in + member("chatterThresholdMs", std::to_string(o.chatterThresholdMs)) + ",\n";
    j += in + member("mostKeysDown", object({member("count", std::to_string(o.mostKeysDown)),
                                             member("keys", names(o.mostKeysDownNames))})) + ",\n";
    j += in + member("keysDownAtEnd", names(o.keysDownAtEnd));
    if (o.keysNotPressed) j += ",\n" + in + member("keysNotPressed", array(*o.keysNotPressed, in, pictureKeyJson));
    if (!test.picturePath.empty())
        j += ",\n" + in + member("picture", quoted(std::filesystem::u8path(test.picturePath).filename().u8string()));
    return j + "\n      }";
}

std::string machineJson(const MachineFacts& machine) {
    std::string j = "{\n";
    for (const auto& [name, value] : machine.fields) j += "    " + quoted(name) + ": " + quoted(value) + ",\n";
    return j + "    " + member("keyboards", array(machine.keyboards, "    ", [](const KeyboardDevice& device) {
               std::vector<std::string> members = {member("deviceName", quoted(device.deviceName))};
               if (!device.vendorId.empty()) members.push_back(member("vendorId", quoted(device.vendorId)));
               if (!device.productId.empty()) members.push_back(member("productId", quoted(device.productId)));
               return object(members);
           })) + "\n  }";
}

std::string testJson(const TestRecord& test) {
    const std::string in = "      ";
    std::string j = "{\n";
    j += in + "\"name\": " + quoted(test.name) + ",\n";
    j += in + "\"result\": " + quoted(test.result) + ",\n";
    j += in + "\"durationSeconds\": " + secondsText(test.milliseconds) + ",\n";
    if (!test.exception.empty()) j += in + "\"exception\": " + quoted(test.exception) + ",\n";
    if (!test.overruledBecause.empty()) j += in + "\"reason\": " + quoted(test.overruledBecause) + ",\n";
    j += in + "\"parameters\": {";
    for (std::size_t p = 0; p < test.parameters.size(); ++p)
        j += (p ? ", " : "") + quoted(test.parameters[p].first) + ": " + quoted(test.parameters[p].second);
    j += "},\n";
    j += in + "\"events\": " + array(test.events, in, eventJson);
    if (test.observations) j += ",\n" + in + "\"observations\": " + observationsJson(test);
    return j + "\n    }";
}

}  // namespace

std::string toJson(const RunRecord& run, int exitCode) {
    std::string j = "{\n";
    j += "  \"module\": " + quoted(run.module) + ",\n";
    j += "  \"version\": " + quoted(run.version) + ",\n";
    j += "  \"language\": " + quoted(run.language) + ",\n";
    if (!run.machine.empty()) j += "  \"machine\": " + machineJson(run.machine) + ",\n";
    j += "  \"exitCode\": " + std::to_string(exitCode) + ",\n";
    j += "  \"moduleErrors\": " + array(run.moduleErrors, "  ", quoted) + ",\n";
    j += "  \"tests\": " + array(run.tests, "  ", testJson) + "\n}\n";
    return j;
}

}  // namespace vemo5
