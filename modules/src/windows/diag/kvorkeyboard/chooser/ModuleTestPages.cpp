#include "TestPages.h"

#include "res/SimpleKeyboardTestRes.h"
#include "simple/SimpleKeyboardTest.h"

namespace kvorkeyboard {

// The layout test's page (template 1262) joins this list when it is built.
const TestPages& moduleTestPages() {
    static const TestPages pages = {
        {IDD_SIMPLE_KEYBOARD_TEST, RUNTIME_CLASS(CSimpleKeyboardTest)},
    };
    return pages;
}

}  // namespace kvorkeyboard
