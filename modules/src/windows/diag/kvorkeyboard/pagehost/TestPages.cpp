#include "TestPages.h"

namespace kvorkeyboard {

const CRuntimeClass* findTestPage(const TestPages& pages, UINT testId) {
    for (const TestPage& page : pages)
        if (page.testId == testId) return page.pageClass;
    return nullptr;
}

}  // namespace kvorkeyboard
