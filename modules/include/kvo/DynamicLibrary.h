#pragma once
// A library loaded at run time for an API that may be missing on a machine.
#include "kvo/String.h"

namespace kvo {

class DynamicLibrary {
public:
    explicit DynamicLibrary(String fileName) : m_fileName(std::move(fileName)) {}
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // True once the library is loaded; loading twice keeps the first handle.
    [[nodiscard]] bool load();
    // The entry point, or null when the library is not loaded or lacks it.
    void* getSymbol(const char* name) const;

private:
    String m_fileName;
    void* m_handle = nullptr;
};

}  // namespace kvo
