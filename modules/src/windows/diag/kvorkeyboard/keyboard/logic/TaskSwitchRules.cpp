#include "keyboard/logic/TaskSwitchRules.h"

#include "keyboard/logic/KeystrokeAction.h"

namespace kvorkeyboard {

namespace {
using Rule = bool (*)(const TaskSwitchState&);

// Ctrl+Esc, Alt+Tab, Alt+Esc, then Alt+Shift+Esc and Alt+Shift+Tab whatever
// key the event is about (the system may report the Shift or Alt event last).
constexpr Rule kRules[] = {
    [](const TaskSwitchState& s) { return s.virtualKey == vk::Escape && s.ctrlDown; },
    [](const TaskSwitchState& s) { return s.virtualKey == vk::Tab && s.altDown; },
    [](const TaskSwitchState& s) { return s.virtualKey == vk::Escape && s.altDown; },
    [](const TaskSwitchState& s) { return s.escDown && s.shiftDown && s.altDown; },
    [](const TaskSwitchState& s) { return s.tabDown && s.shiftDown && s.altDown; },
};
}  // namespace

bool isTaskSwitchCombination(const TaskSwitchState& state) {
    for (Rule rule : kRules) {
        if (rule(state)) return true;
    }
    return false;
}

}  // namespace kvorkeyboard
