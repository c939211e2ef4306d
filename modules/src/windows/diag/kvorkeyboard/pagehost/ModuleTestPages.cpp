#include "TestPages.h"

#include "layout/KeyboardLayoutTest.h"
#include "res/KeyboardLayoutTestRes.h"
#include "res/SimpleKeyboardTestRes.h"
#include "simple/SimpleKeyboardTest.h"

namespace kvorkeyboard {

const TestPages& moduleTestPages() {
    static const TestPages pages = {
        {IDD_SIMPLE_KEYBOARD_TEST, RUNTIME_CLASS(CSimpleKeyboardTest)},
        {IDD_KEYBOARD_LAYOUT_TEST, RUNTIME_CLASS(CKeyboardLayoutTest)},
    };
    return pages;
}

}  // namespace kvorkeyboard
