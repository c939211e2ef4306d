#include "DefaultTest.h"

#include "res/SimpleKeyboardTestRes.h"

namespace kvorkeyboard {

// The layout page's template; its resources belong to the layout test.
constexpr unsigned kLayoutTestId = 1262;

DefaultTest defaultTestFor(const kvo::String& name) {
    static const struct {
        const char* name;
        unsigned testId;
    } tests[] = {
        {"Keyboard Layout Test", kLayoutTestId},
        {"Simple Keyboard Test", IDD_SIMPLE_KEYBOARD_TEST},
    };
    for (const auto& test : tests)
        if (name == kvo::String(test.name)) return {test.testId, true};
    return {kLayoutTestId, false};
}

}  // namespace kvorkeyboard
