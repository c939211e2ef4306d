#include <gtest/gtest.h>

#include "evidence/logic/JournalSummary.h"

namespace kvorkeyboard {
namespace {

// A clock of 0.1 ms ticks, so that the summary's conversion is not the identity.
constexpr Ticks kTicksPerSecond = 10000;
constexpr std::uint16_t kA = 0x1E, kS = 0x1F, kD = 0x20, kF = 0x21, kG = 0x22, kLeftCtrl = 0x1D, kRightCtrl = 0x11D;

struct Timed {
    double ms;
    std::uint16_t key;
    bool down;
    bool wasDown = false;
};

void feed(KeystrokeJournal& journal, std::initializer_list<Timed> events) {
    for (const Timed& e : events) {
        // The letters A to G are named; the Ctrl keys stay unnamed.
        if (journal.record({e.key, e.down, e.wasDown}, static_cast<Ticks>(e.ms * 10)) && e.key >= kA && e.key <= kG)
            journal.setName(e.key, std::string(1, "ASDFG"[e.key - kA]));
    }
}

std::string text(const std::optional<double>& ms) { return ms ? std::to_string(*ms).substr(0, 5) : "-"; }

std::string keyText(const vemo5::KeyStatistics& k) {
    return std::to_string(k.key) + " " + k.name + " " + std::to_string(k.presses) + " " + text(k.shortestHoldMs) + " " +
           text(k.longestHoldMs) + " " + text(k.shortestGapMs);
}

TEST(KeystrokeJournal, TimesEachKeysPressesHoldsAndGapsAndCountsOnlyShortGapsAsChatter) {
    KeystrokeJournal journal(30, kTicksPerSecond);
    feed(journal, {
        // A held with two auto-repeats, back 6.1 ms after its release, then exactly 30 ms after.
        {0, kA, true}, {50, kA, true}, {80, kA, true}, {100, kA, false}, {106.1, kA, true}, {190, kA, false},
        {220, kA, true}, {300, kA, false},
        // S held since before the test: its release is no gap to time from.
        {350, kS, false}, {400, kS, true}, {430, kS, false},
        // Left Ctrl down since before, as the message hook says: neither a press nor a hold.
        {450, kLeftCtrl, true, true}, {500, kLeftCtrl, false}, {600, kLeftCtrl, true}, {650, kLeftCtrl, false},
    });
    const vemo5::Observations o = summarize(journal);
    std::vector<std::string> keys;
    for (const auto& key : o.keys) keys.push_back(keyText(key));
    EXPECT_EQ((std::vector<std::string>{"29 key 29 1 50.00 50.00 100.0", "30 A 3 80.00 100.0 6.100",
                                        "31 S 1 30.00 30.00 -"}),
              keys);
    ASSERT_EQ(1u, o.chatter.size());
    EXPECT_EQ("30 A 1 6.100 of 30", std::to_string(o.chatter[0].key) + " " + o.chatter[0].name + " " +
                                        std::to_string(o.chatter[0].count) + " " + text(o.chatter[0].shortestGapMs) +
                                        " of " + std::to_string(o.chatterThresholdMs));
}

TEST(KeystrokeJournal, KeepsTheMostKeysDownAtOnceTheKeysStillDownAndWholeCharactersOfNames) {
    KeystrokeJournal journal(30, kTicksPerSecond);
    feed(journal, {{0, kD, true}, {10, kF, true}, {20, kRightCtrl, true}, {30, kRightCtrl, false}, {35, kF, false},
                   {40, kG, true}, {45, kS, true}, {50, kS, false}, {60, kD, false}});
    EXPECT_TRUE(journal.record({kA, true, false}, 0));
    journal.setName(kA, kvo::String(std::string(30, 'x') + "\xF0\x9F\x98\x80"));
    EXPECT_FALSE(journal.record({kA, false, false}, 1));
    EXPECT_FALSE(journal.record({kKeyIdentifiers, true, false}, 2));
    const vemo5::Observations o = summarize(journal);
    EXPECT_EQ(3u, o.mostKeysDown);
    EXPECT_EQ((std::vector<std::string>{"D", "F", "key 285"}), o.mostKeysDownNames);
    EXPECT_EQ(std::vector<std::string>{"G"}, o.keysDownAtEnd);
    EXPECT_EQ(std::string(30, 'x'), o.keys.at(0).name);
    EXPECT_TRUE(o.chatter.empty());
}

TEST(KeyEvent, DecodesBothHooksIntoKeyIdentifiers) {
    const auto text = [](const std::optional<KeyEvent>& e) {
        return e ? std::to_string(e->key) + (e->down ? " down" : " up") + (e->wasDown ? " was down" : "") : "none";
    };
    EXPECT_EQ("285 up", text(lowLevelKeyEvent(0x105, 0x1D, 0x81)));
    EXPECT_EQ("56 down", text(lowLevelKeyEvent(0x104, 0x38, 0x20)));
    EXPECT_EQ("none", text(lowLevelKeyEvent(0x102, 0x1E, 0x00)));
    EXPECT_EQ("none", text(lowLevelKeyEvent(0x100, 0x100, 0x00)));
    EXPECT_EQ("none", text(lowLevelKeyEvent(0x101, 0x00, 0x10)));
    EXPECT_EQ("none", text(keystrokeWordEvent(0xC0000001)));  // the layout test's injected release
    EXPECT_EQ("284 down", text(keystrokeWordEvent(0x011C0001)));
    EXPECT_EQ("30 up was down", text(keystrokeWordEvent(0xC01E0001)));
}

}  // namespace
}  // namespace kvorkeyboard
