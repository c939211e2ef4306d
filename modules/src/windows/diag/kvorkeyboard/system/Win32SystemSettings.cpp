#include "KvoModuleSupport/ModuleSupport.h"
#include "SystemSettings.h"

namespace kvorkeyboard {
namespace {

class Win32SystemSettings final : public SystemSettings {
public:
    bool systemParametersInfo(UINT action, UINT param, void* data, UINT winIni) override {
        return ::SystemParametersInfoW(action, param, data, winIni) != FALSE;
    }
    bool isWindowsNT() override { return IsThisWindowsNT() != 0; }
    DWORD getLastError() override { return ::GetLastError(); }
};

}  // namespace

SystemSettings& systemSettings() {
    static Win32SystemSettings settings;
    return settings;
}

}  // namespace kvorkeyboard
