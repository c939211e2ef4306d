#pragma once
// System-wide settings the module changes and restores (the accessibility
// keys), behind a seam so that every failure path can be tested.
#include <windows.h>

namespace kvorkeyboard {

class SystemSettings {
public:
    virtual ~SystemSettings() = default;
    [[nodiscard]] virtual bool systemParametersInfo(UINT action, UINT param, void* data, UINT winIni) = 0;
    // Nonzero on the Windows NT family.
    virtual bool isWindowsNT() = 0;
    virtual DWORD getLastError() = 0;
};

SystemSettings& systemSettings();

}  // namespace kvorkeyboard
