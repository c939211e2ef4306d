#pragma once
// A library loaded at run time for an API that may be missing on a machine.
#include "kvo/String.h"
#include "kvo/UniqueHandle.h"

namespace kvo {

class DynamicLibrary {
public:
    explicit DynamicLibrary(String fileName) : m_fileName(std::move(fileName)) {}

    // True once the library is loaded; loading twice keeps the first handle.
    [[nodiscard]] bool load();
    // The entry point, or null when the library is not loaded or lacks it.
    void* getSymbol(const char* name) const;

private:
    struct LoadedLibrary {
        using Handle = void*;
        static Handle invalid() noexcept { return nullptr; }
        static void close(Handle handle) noexcept;
    };

    String m_fileName;
    UniqueHandle<LoadedLibrary> m_handle;
};

}  // namespace kvo
