#include "kvo/DynamicLibrary.h"

#include <windows.h>

namespace kvo {

void DynamicLibrary::LoadedLibrary::close(Handle handle) noexcept {
    FreeLibrary(static_cast<HMODULE>(handle));
}

bool DynamicLibrary::load() {
    if (!m_handle) m_handle.reset(LoadLibraryW(m_fileName.getUCS2Buffer()));
    return static_cast<bool>(m_handle);
}

void* DynamicLibrary::getSymbol(const char* name) const {
    if (!m_handle) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle.get()), name));
}

}  // namespace kvo
