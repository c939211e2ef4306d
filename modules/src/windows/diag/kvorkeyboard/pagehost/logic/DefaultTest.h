#pragma once
// Which page the chooser opens on, from the host's "szDefaultTestToShow".
#include "kvo/String.h"

namespace kvorkeyboard {

struct DefaultTest {
    unsigned testId;  // template id of the page
    bool recognised;  // false: the name matched no page and the layout test stands in
};

// Exact comparison: a name that differs only in letter case is not recognised.
DefaultTest defaultTestFor(const kvo::String& name);

}  // namespace kvorkeyboard
