#pragma once
// The layout test's texts for its frame: the instructions box and the two
// status lines.
#include "kvo/String.h"
#include "layout/logic/LayoutKeyDecisions.h"

namespace kvorkeyboard {

// Composed at the first call of the process and kept: later layout tests show
// that first text, whatever their own shortcut switches.
kvo::String layoutInstructions(const ShortcutSwitches& switches);
// Both status lines follow the Fail switch.
kvo::String layoutSubInstruction1(const ShortcutSwitches& switches);
kvo::String layoutSubInstruction2(const ShortcutSwitches& switches);

}  // namespace kvorkeyboard
