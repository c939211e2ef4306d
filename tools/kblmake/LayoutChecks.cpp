#include "LayoutChecks.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

#include "Text.h"
#include "layout/logic/KeyboardTypeNames.h"

namespace kblmake {
namespace {

// The layout test reads string 1 into 64 units with its terminator.
constexpr std::size_t kMaxNameUnits = 63;
// Keyboards are at most this many keys wide or high; more is a slip.
constexpr double kMaxExtent = 100;
// A name this close to a catalogue name is a slip rather than a new keyboard.
constexpr std::size_t kNearMissDistance = 3;
// Key places are sums of quarter units; this absorbs nothing a person draws.
constexpr double kTolerance = 1e-6;

struct RuleSeverity {
    Rule rule;
    Severity severity;
};
// A warning for what may be meant (a new keyboard named like a known one);
// an error for what the layout test would get wrong on every station.
constexpr RuleSeverity kSeverities[] = {
    {Rule::NameTooLong, Severity::Error},
    {Rule::NameNearCatalogue, Severity::Warning},
    {Rule::NameTaken, Severity::Error},
    {Rule::NoKeys, Severity::Error},
    {Rule::DuplicateIdentifier, Severity::Error},
    {Rule::IdentifierBeyondHandlers, Severity::Error},
    {Rule::IdentifierNotSent, Severity::Error},
    {Rule::RotatedKey, Severity::Error},
    {Rule::OutsidePicture, Severity::Error},
    {Rule::PictureTooLarge, Severity::Error},
    {Rule::OverlappingKeys, Severity::Error},
    {Rule::MarkupLegend, Severity::Error},
    {Rule::LanguageKeysDiffer, Severity::Error},
};

constexpr const char* kCatalogue[] = {
#define KBLMAKE_CATALOGUE_NAME(name, text) name,
    KVORKEYBOARD_KEYBOARD_TYPES(KBLMAKE_CATALOGUE_NAME)
#undef KBLMAKE_CATALOGUE_NAME
};

// What keyboards send: make codes of scan-code set 1, the same behind the E0
// prefix (plus 0x100), and the Korean Hanja (0xF1) and Hangul (0xF2) keys,
// which send one code and no release. The handlers keep 512 records, so
// nothing above 0x1FF can ever reach the test.
struct IdentifierRange {
    std::uint16_t first;
    std::uint16_t last;
};
constexpr IdentifierRange kSentIdentifiers[] = {{0x01, 0x7F}, {0xF1, 0xF2}, {0x101, 0x17F}};
constexpr std::uint16_t kLastHandledIdentifier = 0x1FF;

void report(Diagnostics& out, Rule rule, SourcePosition at, std::string message) {
    out.add(severityOf(rule), at, std::move(message));
}

std::string hex(std::uint16_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X", id);
    return text;
}

std::string folded(const std::string& text) {
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> previous(b.size() + 1), current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitute = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitute});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

void checkNameNearCatalogue(const KlePicture& picture, Diagnostics& out) {
    const char* nearest = nullptr;
    std::size_t best = kNearMissDistance + 1;
    for (const char* known : kCatalogue) {
        if (picture.name == known) return;
        const std::size_t distance = editDistance(folded(picture.name), folded(known));
        if (distance < best) {
            best = distance;
            nearest = known;
        }
    }
    if (nearest == nullptr) return;
    const std::string suggestion = nearest;
    const bool fullStop = suggestion.back() == '.';
    report(out, Rule::NameNearCatalogue, picture.nameAt,
           "the name \"" + picture.name + "\" is not in the module's catalogue, so the list shows it in English "
           "for every operator; did you mean \"" + suggestion + "\"? Names must match exactly: \"" + suggestion +
               "\" " + (fullStop ? "ends with a full stop" : "has no full stop at its end") +
               (suggestion.find("Serries") != std::string::npos ? " and spells \"Serries\" with two r" : "") + ".");
}

bool isSent(std::uint16_t id) {
    for (const IdentifierRange& range : kSentIdentifiers)
        if (id >= range.first && id <= range.last) return true;
    return false;
}

// KLE legends may be HTML ("<b>", "&uarr;"); the test's text controls would
// show the markup itself.
bool isMarkup(const std::string& legend) {
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const char c = legend[i];
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
        if (c == '<' && i + 1 < legend.size() && (std::isalpha(static_cast<unsigned char>(legend[i + 1])) ||
                                                   legend[i + 1] == '/' || legend[i + 1] == '!') &&
            legend.find('>', i) != std::string::npos)
            return true;
        if (c == '&') {
            std::size_t j = i + 1;
            if (j < legend.size() && legend[j] == '#') ++j;
            const std::size_t start = j;
            while (j < legend.size() && std::isalnum(static_cast<unsigned char>(legend[j]))) ++j;
            if (j > start && j < legend.size() && legend[j] == ';') return true;
        }
    }
    return false;
}

void checkIdentifier(const KleKey& key, Diagnostics& out) {
    if (key.textArea) return;
    if (key.id > kLastHandledIdentifier) {
        report(out, Rule::IdentifierBeyondHandlers, key.at,
               describeKey(key) + ": identifier " + hex(key.id) +
                   " is above #1FF; the layout test never receives it, so the key could never be marked");
    } else if (!isSent(key.id) && !key.meant) {
        report(out, Rule::IdentifierNotSent, key.at,
               describeKey(key) + ": no keyboard sends identifier " + hex(key.id) +
                   " (keys send #01 to #7F, #101 to #17F, or #F1/#F2 for Hanja/Hangul); check it in the simple "
                   "keyboard test, and write \"" + hex(key.id) + "!\" if this keyboard really sends it");
    }
}

void checkPlacement(const KlePicture& picture, Diagnostics& out) {
    const std::vector<KleKey>& keys = picture.keys;
    for (const KleKey& key : keys) {
        if (key.x < -kTolerance || key.y < -kTolerance)
            report(out, Rule::OutsidePicture, key.at,
                   describeKey(key) + ": lies outside the picture, left of or above its first key (check the "
                                      "\"x\" and \"y\" offsets before it)");
        else if (key.x + key.w > kMaxExtent || key.y + key.h > kMaxExtent)
            report(out, Rule::PictureTooLarge, key.at,
                   describeKey(key) + ": lies more than 100 units from the picture's corner (check the \"x\" and "
                                      "\"y\" offsets before it)");
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            const KleKey& a = keys[i];
            const KleKey& b = keys[j];
            const double width = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
            const double height = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
            if (width > kTolerance && height > kTolerance)
                report(out, Rule::OverlappingKeys, b.at,
                       describeKey(b) + ": overlaps " + describeKey(a) + "; one would hide the other");
        }
    }
}

}  // namespace

Severity severityOf(Rule rule) {
    for (const RuleSeverity& row : kSeverities)
        if (row.rule == rule) return row.severity;
    return Severity::Error;
}

void checkName(const KlePicture& picture, Diagnostics& out) {
    if (picture.name.empty()) return;  // the reader has reported it
    const std::u16string units = toUtf16(picture.name);
    if (units.size() > kMaxNameUnits) {
        // The cut as UTF-8: whole characters up to the 63rd unit.
        std::size_t bytes = 0;
        for (std::size_t counted = 0; bytes < picture.name.size();) {
            const auto lead = static_cast<unsigned char>(picture.name[bytes]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            counted += length == 4 ? 2 : 1;
            if (counted > kMaxNameUnits) break;
            bytes += length;
        }
        const std::string shown = picture.name.substr(0, bytes);
        report(out, Rule::NameTooLong, picture.nameAt,
               "the name is " + std::to_string(units.size()) + " characters long; the layout test shows only "
               "the first 63, \"" + shown + "\", and two names cut alike could not be told apart");
        return;
    }
    checkNameNearCatalogue(picture, out);
}

void checkKeys(const KlePicture& picture, Diagnostics& out) {
    if (std::none_of(picture.keys.begin(), picture.keys.end(), [](const KleKey& k) { return !k.textArea; }))
        report(out, Rule::NoKeys, {1, 1}, "the layout has no keys");
    std::map<std::uint16_t, const KleKey*> seen;
    for (const KleKey& key : picture.keys) {
        if (const auto [first, inserted] = seen.emplace(key.id, &key); !inserted)
            report(out, Rule::DuplicateIdentifier, key.at,
                   describeKey(key) + ": identifier " + hex(key.id) + " is already used by " +
                       describeKey(*first->second) + "; the test could mark only one of them");
        checkIdentifier(key, out);
        if (key.rotated)
            report(out, Rule::RotatedKey, key.at,
                   describeKey(key) + ": is rotated; the test draws keys as upright rectangles (set \"r\" to 0)");
        for (const std::string& legend : key.legends)
            if (isMarkup(legend))
                report(out, Rule::MarkupLegend, key.at,
                       describeKey(key) + ": the legend \"" + legend + "\" is markup or holds control characters; "
                       "the test shows it as it stands, so write plain text (\"Up\" rather than an icon)");
    }
    checkPlacement(picture, out);
}

void checkSameKeys(const KlePicture& english, const KlePicture& translated, Diagnostics& out) {
    std::map<std::uint16_t, const KleKey*> ids;
    for (const KleKey& key : english.keys) ids.emplace(key.id, &key);
    for (const KleKey& key : translated.keys) {
        if (ids.erase(key.id) == 0)
            report(out, Rule::LanguageKeysDiffer, key.at,
                   describeKey(key) + ": the English picture has no key " + hex(key.id));
    }
    for (const auto& [id, key] : ids)
        report(out, Rule::LanguageKeysDiffer, {1, 1},
               "the English picture's " + describeKey(*key) + " is missing from this picture");
}

void checkDistinctNames(const std::vector<std::pair<std::string, const KlePicture*>>& sources, Diagnostics& out) {
    std::map<std::u16string, std::string> shown;
    for (const auto& [file, picture] : sources) {
        if (picture->name.empty()) continue;
        const std::u16string name = toUtf16(picture->name).substr(0, kMaxNameUnits);
        const auto [first, inserted] = shown.emplace(name, file);
        if (inserted) continue;
        out.startFile(file);
        report(out, Rule::NameTaken, picture->nameAt,
               "the name \"" + picture->name + "\" is shown like that of " + first->second +
                   "; the list could offer only one of the two pictures");
    }
}

}  // namespace kblmake
