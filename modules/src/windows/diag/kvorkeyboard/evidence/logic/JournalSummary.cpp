#include "JournalSummary.h"

namespace kvorkeyboard {
namespace {

std::string nameOf(const KeystrokeJournal& journal, std::uint16_t id) {
    const JournalKey& key = journal.key(id);
    return key.nameLength != 0 ? kvo::String(key.name, key.nameLength).toUtf8() : "key " + std::to_string(id);
}

std::vector<std::string> namesOf(const KeystrokeJournal& journal, const std::bitset<kKeyIdentifiers>& keys) {
    std::vector<std::string> names;
    for (std::uint16_t id = 0; id < kKeyIdentifiers; ++id)
        if (keys.test(id)) names.push_back(nameOf(journal, id));
    return names;
}

}  // namespace

vemo5::Observations summarize(const KeystrokeJournal& journal) {
    vemo5::Observations o;
    const auto ms = [&journal](bool timed, Ticks ticks) {
        return timed ? std::optional<double>(journal.milliseconds(ticks)) : std::nullopt;
    };
    for (std::uint16_t id = 0; id < kKeyIdentifiers; ++id) {
        const JournalKey& key = journal.key(id);
        if (!key.seen) continue;
        const std::string name = nameOf(journal, id);
        o.keys.push_back({id, name, key.presses, ms(key.holdTimed, key.shortestHold),
                          ms(key.holdTimed, key.longestHold), ms(key.gapTimed, key.shortestGap)});
        if (key.chatter != 0) o.chatter.push_back({id, name, key.chatter, journal.milliseconds(key.shortestGap)});
    }
    o.chatterThresholdMs = journal.chatterThresholdMs();
    o.mostKeysDownNames = namesOf(journal, journal.mostKeysDown());
    o.mostKeysDown = static_cast<unsigned>(o.mostKeysDownNames.size());
    o.keysDownAtEnd = namesOf(journal, journal.keysDown());
    return o;
}

}  // namespace kvorkeyboard
