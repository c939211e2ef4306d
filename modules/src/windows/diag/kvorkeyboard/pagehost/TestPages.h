#pragma once
// The pages the frame can host, by template id.
#include <windows.h>

#include <vector>

#include "afx/RuntimeClass.h"

namespace kvorkeyboard {

struct TestPage {
    UINT testId;                     // the page's dialog template
    const CRuntimeClass* pageClass;  // dynamically creatable CKeyboardTest
};
using TestPages = std::vector<TestPage>;

// Every page the module is built with.
const TestPages& moduleTestPages();

// The page class for a test id; null when the frame has none.
const CRuntimeClass* findTestPage(const TestPages& pages, UINT testId);

}  // namespace kvorkeyboard
