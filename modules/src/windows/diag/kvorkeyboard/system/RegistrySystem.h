#pragma once
// Reading the registry, behind a seam so that a missing key, a value of the
// wrong type or size and a failing close can all be played by tests.
// Win32RegistrySystem only forwards; every call returns the Win32 status.
#include <windows.h>

#include "kvo/UniqueHandle.h"

namespace kvorkeyboard {

class RegistrySystem {
public:
    virtual ~RegistrySystem() = default;
    [[nodiscard]] virtual LONG openKey(HKEY root, const wchar_t* path, REGSAM access, HKEY& key) = 0;
    [[nodiscard]] virtual LONG queryValue(HKEY key, const wchar_t* name, DWORD& type, BYTE* data,
                                          DWORD& size) = 0;
    [[nodiscard]] virtual LONG closeKey(HKEY key) = 0;
};

// An open key, closed through the registry that opened it.
using RegistryKey = kvo::SeamHandle<RegistrySystem, HKEY, &RegistrySystem::closeKey>;

RegistrySystem& systemRegistry();

}  // namespace kvorkeyboard
