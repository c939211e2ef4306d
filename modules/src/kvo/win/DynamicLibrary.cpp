#include "kvo/DynamicLibrary.h"

#include <windows.h>

namespace kvo {

DynamicLibrary::~DynamicLibrary() {
    if (m_handle != nullptr) FreeLibrary(static_cast<HMODULE>(m_handle));
}

bool DynamicLibrary::load() {
    if (m_handle == nullptr) m_handle = LoadLibraryW(m_fileName.getUCS2Buffer());
    return m_handle != nullptr;
}

void* DynamicLibrary::getSymbol(const char* name) const {
    if (m_handle == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

}  // namespace kvo
