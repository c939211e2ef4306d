#pragma once
// The mistakes a technician makes when drawing a keyboard, caught before the
// library reaches a test station: names the layout test would cut or leave
// in English by a slip, keys it could never mark, and pictures it would draw
// wrongly. Each message names the key or the field.
#include <string>
#include <utility>
#include <vector>

#include "Diagnostics.h"
#include "KleLayout.h"

namespace kblmake {

enum class Rule {
    NameTooLong,
    NameNearCatalogue,
    NameTaken,
    NoKeys,
    DuplicateIdentifier,
    IdentifierBeyondHandlers,
    IdentifierNotSent,
    RotatedKey,
    OutsidePicture,
    PictureTooLarge,
    OverlappingKeys,
    MarkupLegend,
    LanguageKeysDiffer,
};

Severity severityOf(Rule rule);

// The display name: at most 63 UTF-16 units, and not a near miss of a
// catalogue name (which would stay English in every language).
void checkName(const KlePicture& picture, Diagnostics& diagnostics);

// The keys of one picture.
void checkKeys(const KlePicture& picture, Diagnostics& diagnostics);

// A language's picture must hold the keys of the English one, no more and no
// fewer, or the test would ask a different keyboard of its users.
void checkSameKeys(const KlePicture& english, const KlePicture& translated, Diagnostics& diagnostics);

// Libraries shown in one list: two equal names (cut to 63 units, as the test
// reads them) make one of the pictures unreachable. Each source is a file
// name with its English picture.
void checkDistinctNames(const std::vector<std::pair<std::string, const KlePicture*>>& sources,
                        Diagnostics& diagnostics);

}  // namespace kblmake
