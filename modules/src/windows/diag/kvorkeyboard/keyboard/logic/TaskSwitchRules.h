#pragma once
// The key combinations with which Windows switches tasks or opens the Start
// menu; the layout test swallows them so the operator cannot leave it.
#include <cstdint>

namespace kvorkeyboard {

struct TaskSwitchState {
    std::uint32_t virtualKey;  // the event's key
    bool altDown;              // the event's own Alt flag
    bool ctrlDown, escDown, shiftDown, tabDown;  // sampled at the event
};

bool isTaskSwitchCombination(const TaskSwitchState& state);

}  // namespace kvorkeyboard
