#pragma once
// What the keyboard hook needs of the window it feeds: one call per keystroke.
// Kept apart from the dialogs so that the hook does not depend on them.
#include <windows.h>

#include <exception>

namespace kvorkeyboard {

class KeyboardHookTarget {
public:
    // The hook's own arguments, unchanged; nonzero keeps the keystroke from
    // the rest of the system.
    virtual LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) = 0;
    // What keyboardHookHandler threw. Nothing may unwind through Windows'
    // hook dispatch, so the target is handed the exception to end its test
    // with, from inside the hook, and the keystroke is kept.
    virtual void keyboardHookFailed(std::exception_ptr failure) noexcept = 0;

protected:
    ~KeyboardHookTarget() = default;
};

}  // namespace kvorkeyboard
