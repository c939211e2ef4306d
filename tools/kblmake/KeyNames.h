#pragma once
// Identifiers taken from legends, so that a drawing made for a keyboard's
// maker (with "Esc", "!\n1", "Shift" on its keys and no "#" lines) builds as
// it is: a key without an identifier line gets the one its legend names, the
// left or right variant by its side of the space bar, the main or keypad one
// by which comes first from the left.
#include "Diagnostics.h"
#include "KleLayout.h"

namespace kblmake {

// Names every key whose identifier is 0; reports those whose legends name no
// key it knows.
void nameKeysByLegend(KlePicture& picture, Diagnostics& diagnostics);

}  // namespace kblmake
