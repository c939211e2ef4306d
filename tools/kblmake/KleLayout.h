#pragma once
// A keyboard-layout-editor (KLE) drawing read into keys with places, sizes,
// legends and identifiers. The layout test finds a key by the identifier the
// keyboard reports (scan code, plus 0x100 for an E0-prefixed key), so every
// key carries it as one of its legend lines, "#" and two or three hex digits
// ("#1C", "#11C"); "#F1!" marks an identifier outside the usual ranges as
// meant. The other lines are drawn on the key, top to bottom. A key without
// such a line is named by its legend where that names a standard key
// (KeyNames.h). A decal is the Fn instructions text, "#1104" (or the second
// text, "#1106").
#include <cstdint>
#include <string>
#include <vector>

#include "Diagnostics.h"
#include "Json.h"

namespace kblmake {

constexpr std::uint16_t kFnInstructionsId = 1104;
constexpr std::uint16_t kSecondInstructionsId = 1106;

struct KleKey {
    int row = 0;    // 1-based, counted in the file
    int index = 0;  // 1-based within the row
    SourcePosition at;
    std::vector<std::string> legends;  // drawn lines, UTF-8
    std::uint16_t id = 0;
    bool textArea = false;  // a decal: an instructions text, not a key
    bool meant = false;     // the identifier carries "!"
    bool fromLegend = false;  // no identifier line: its legend names the key
    bool rotated = false;
    double x = 0, y = 0, w = 1, h = 1;  // in key units (1u = one ordinary key)
};

struct KlePicture {
    std::string name;  // from the metadata object
    SourcePosition nameAt;
    std::vector<KleKey> keys;
};

// Places the keys by the editor's rules: a row starts one unit below the last
// at x 0; "x" and "y" shift the next key, "w", "h" and "d" apply to it alone,
// a rotation stays until it is set back to 0; the secondary rectangle of an
// ISO or stepped key ("x2", "w2", ...) is not drawn. Keys whose legends
// cannot be read are reported and left out.
KlePicture readKleLayout(const JsonValue& root, Diagnostics& diagnostics);

// `row 3, key 5 ("Enter", #1C)`: how messages name a key.
std::string describeKey(const KleKey& key);

}  // namespace kblmake
