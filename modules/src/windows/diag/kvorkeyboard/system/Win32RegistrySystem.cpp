#include "RegistrySystem.h"

namespace kvorkeyboard {
namespace {

class Win32RegistrySystem final : public RegistrySystem {
public:
    LONG openKey(HKEY root, const wchar_t* path, REGSAM access, HKEY& key) override {
        return ::RegOpenKeyExW(root, path, 0, access, &key);
    }
    LONG queryValue(HKEY key, const wchar_t* name, DWORD& type, BYTE* data, DWORD& size) override {
        return ::RegQueryValueExW(key, name, nullptr, &type, data, &size);
    }
    LONG closeKey(HKEY key) override { return ::RegCloseKey(key); }
};

}  // namespace

RegistrySystem& systemRegistry() {
    static Win32RegistrySystem registry;
    return registry;
}

}  // namespace kvorkeyboard
