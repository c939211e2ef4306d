#include "KeyNames.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

namespace kblmake {
namespace {

enum class Pick {
    Only,
    LeftOrRight,   // left of the space bar's middle: the first identifier
    MainOrKeypad,  // the first from the left: the first identifier; the next: the keypad's
};

struct KeyName {
    const char* names;  // lower case, "|" between synonyms
    Pick pick;
    std::uint16_t first;
    std::uint16_t second;
};

// US and ISO legends as keyboard-layout-editor's presets and keyboard makers
// write them. A digit is a main-row key first and a keypad key second.
constexpr KeyName kKeyNames[] = {
    {"esc|escape", Pick::Only, 0x01, 0},
    {"1", Pick::MainOrKeypad, 0x02, 0x4F}, {"2", Pick::MainOrKeypad, 0x03, 0x50},
    {"3", Pick::MainOrKeypad, 0x04, 0x51}, {"4", Pick::MainOrKeypad, 0x05, 0x4B},
    {"5", Pick::MainOrKeypad, 0x06, 0x4C}, {"6", Pick::MainOrKeypad, 0x07, 0x4D},
    {"7", Pick::MainOrKeypad, 0x08, 0x47}, {"8", Pick::MainOrKeypad, 0x09, 0x48},
    {"9", Pick::MainOrKeypad, 0x0A, 0x49}, {"0", Pick::MainOrKeypad, 0x0B, 0x52},
    {"-", Pick::MainOrKeypad, 0x0C, 0x4A}, {"=", Pick::Only, 0x0D, 0},
    {"backspace|back space|bksp|bs", Pick::Only, 0x0E, 0}, {"tab", Pick::Only, 0x0F, 0},
    {"q", Pick::Only, 0x10, 0}, {"w", Pick::Only, 0x11, 0}, {"e", Pick::Only, 0x12, 0}, {"r", Pick::Only, 0x13, 0},
    {"t", Pick::Only, 0x14, 0}, {"y", Pick::Only, 0x15, 0}, {"u", Pick::Only, 0x16, 0}, {"i", Pick::Only, 0x17, 0},
    {"o", Pick::Only, 0x18, 0}, {"p", Pick::Only, 0x19, 0}, {"[", Pick::Only, 0x1A, 0}, {"]", Pick::Only, 0x1B, 0},
    {"enter|return", Pick::MainOrKeypad, 0x1C, 0x11C}, {"ctrl|control", Pick::LeftOrRight, 0x1D, 0x11D},
    {"a", Pick::Only, 0x1E, 0}, {"s", Pick::Only, 0x1F, 0}, {"d", Pick::Only, 0x20, 0}, {"f", Pick::Only, 0x21, 0},
    {"g", Pick::Only, 0x22, 0}, {"h", Pick::Only, 0x23, 0}, {"j", Pick::Only, 0x24, 0}, {"k", Pick::Only, 0x25, 0},
    {"l", Pick::Only, 0x26, 0}, {";", Pick::Only, 0x27, 0}, {"'", Pick::Only, 0x28, 0}, {"`", Pick::Only, 0x29, 0},
    {"shift", Pick::LeftOrRight, 0x2A, 0x36}, {"\\", Pick::LeftOrRight, 0x56, 0x2B}, {"#", Pick::Only, 0x2B, 0},
    {"z", Pick::Only, 0x2C, 0}, {"x", Pick::Only, 0x2D, 0}, {"c", Pick::Only, 0x2E, 0}, {"v", Pick::Only, 0x2F, 0},
    {"b", Pick::Only, 0x30, 0}, {"n", Pick::Only, 0x31, 0}, {"m", Pick::Only, 0x32, 0}, {",", Pick::Only, 0x33, 0},
    {".", Pick::MainOrKeypad, 0x34, 0x53}, {"/", Pick::MainOrKeypad, 0x35, 0x135}, {"*", Pick::Only, 0x37, 0},
    {"alt", Pick::LeftOrRight, 0x38, 0x138}, {"alt gr|altgr", Pick::Only, 0x138, 0},
    {"space|spacebar|space bar", Pick::Only, 0x39, 0}, {"caps lock|capslock|caps", Pick::Only, 0x3A, 0},
    {"f1", Pick::Only, 0x3B, 0}, {"f2", Pick::Only, 0x3C, 0}, {"f3", Pick::Only, 0x3D, 0}, {"f4", Pick::Only, 0x3E, 0},
    {"f5", Pick::Only, 0x3F, 0}, {"f6", Pick::Only, 0x40, 0}, {"f7", Pick::Only, 0x41, 0}, {"f8", Pick::Only, 0x42, 0},
    {"f9", Pick::Only, 0x43, 0}, {"f10", Pick::Only, 0x44, 0}, {"f11", Pick::Only, 0x57, 0},
    {"f12", Pick::Only, 0x58, 0}, {"+", Pick::Only, 0x4E, 0},
    {"num lock|numlock|num lk|num", Pick::Only, 0x145, 0},
    {"scroll lock|scrolllock|scr lk|scrlk|scroll", Pick::Only, 0x46, 0},
    {"print screen|prtsc|prt sc|prtscn|prt scn|prt scr|print", Pick::Only, 0x137, 0},
    {"pause|pause break|break", Pick::Only, 0x45, 0}, {"insert|ins", Pick::Only, 0x152, 0},
    {"home", Pick::Only, 0x147, 0}, {"page up|pgup|pg up", Pick::Only, 0x149, 0},
    {"delete|del", Pick::Only, 0x153, 0}, {"end", Pick::Only, 0x14F, 0},
    {"page down|pgdn|pg dn", Pick::Only, 0x151, 0}, {"up|\xE2\x86\x91", Pick::Only, 0x148, 0},
    {"left|\xE2\x86\x90", Pick::Only, 0x14B, 0}, {"down|\xE2\x86\x93", Pick::Only, 0x150, 0},
    {"right|\xE2\x86\x92", Pick::Only, 0x14D, 0}, {"win|windows|super|meta|gui", Pick::LeftOrRight, 0x15B, 0x15C},
    {"menu|apps|app", Pick::Only, 0x15D, 0},
};

std::string lowered(const std::string& text) {
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

const KeyName* named(const std::string& legend) {
    for (const KeyName& row : kKeyNames) {
        std::string_view names = row.names;
        for (std::size_t start = 0; start <= names.size();) {
            const std::size_t end = std::min(names.find('|', start), names.size());
            if (names.substr(start, end - start) == legend) return &row;
            start = end + 1;
        }
    }
    return nullptr;
}

bool isOneCharacter(const std::string& line) {
    const auto lead = line.empty() ? 0 : static_cast<unsigned char>(line[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return !line.empty() && line.size() == length;
}

bool isSymbol(const std::string& line) {
    return isOneCharacter(line) && !std::isalnum(static_cast<unsigned char>(line[0]));
}

// The key a legend names: all its lines as one name ("Num\nLock"); else the
// base character of a shifted pair ("!\n1", "{\n["), which the editor writes
// below the shifted one; else its first line ("7\nHome", ".\nDel").
const KeyName* keyNameOf(const KleKey& key) {
    if (key.legends.empty()) return key.w >= 3 ? named("space") : nullptr;
    std::string joined;
    for (const std::string& line : key.legends) joined += (joined.empty() ? "" : " ") + lowered(line);
    if (const KeyName* row = named(joined)) return row;
    const std::vector<std::string>& lines = key.legends;
    const bool shiftedPair = lines.size() >= 2 && isSymbol(lines[0]) && isOneCharacter(lines.back());
    return named(lowered(shiftedPair ? lines.back() : lines.front()));
}

}  // namespace

void nameKeysByLegend(KlePicture& picture, Diagnostics& out) {
    const KeyName* const space = named("space");
    std::map<const KeyName*, std::vector<KleKey*>> byName;
    double spaceMiddle = -1, right = 0;
    for (KleKey& key : picture.keys) {
        right = std::max(right, key.x + key.w);
        const KeyName* row = key.fromLegend ? keyNameOf(key) : nullptr;
        if (key.id == space->first || (row == space)) spaceMiddle = key.x + key.w / 2;
        if (row != nullptr) {
            byName[row].push_back(&key);
        } else if (key.fromLegend) {
            out.add(Severity::Error, key.at,
                    describeKey(key) + ": needs its identifier as a legend (\"#\" and the hex code the simple "
                                       "keyboard test shows); its legends name no key kblmake knows");
        }
    }
    if (spaceMiddle < 0) spaceMiddle = right / 2;  // no space bar: the picture's middle
    for (auto& [row, keys] : byName) {
        std::stable_sort(keys.begin(), keys.end(), [](const KleKey* a, const KleKey* b) { return a->x < b->x; });
        for (std::size_t i = 0; i < keys.size(); ++i) {
            KleKey& key = *keys[i];
            const bool second = row->pick == Pick::LeftOrRight ? key.x + key.w / 2 > spaceMiddle
                                                               : row->pick == Pick::MainOrKeypad && i > 0;
            key.id = second ? row->second : row->first;
        }
    }
    // Reported above; left in, they would be found again as keys without one.
    picture.keys.erase(std::remove_if(picture.keys.begin(), picture.keys.end(),
                                      [](const KleKey& key) { return key.fromLegend && key.id == 0; }),
                       picture.keys.end());
}

}  // namespace kblmake
