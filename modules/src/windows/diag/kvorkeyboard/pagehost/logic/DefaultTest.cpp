#include "DefaultTest.h"

#include "res/KeyboardLayoutTestRes.h"
#include "res/SimpleKeyboardTestRes.h"

namespace kvorkeyboard {

DefaultTest defaultTestFor(const kvo::String& name) {
    static const struct {
        const char* name;
        unsigned testId;
    } tests[] = {
        {"Keyboard Layout Test", IDD_KEYBOARD_LAYOUT_TEST},
        {"Simple Keyboard Test", IDD_SIMPLE_KEYBOARD_TEST},
    };
    for (const auto& test : tests)
        if (name == kvo::String(test.name)) return {test.testId, true};
    return {IDD_KEYBOARD_LAYOUT_TEST, false};
}

}  // namespace kvorkeyboard
