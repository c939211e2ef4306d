#include <windows.h>

#include "KvoModuleSupport/ModuleSupport.h"
#include "kvo/OperatingSystem.h"

int IsThisWindowsNT() {
    // Every Windows this program can start on is NT-based; the check stays
    // so that callers keep their documented behaviour for the older family.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return 1;
#pragma GCC diagnostic pop
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT ? 1 : 0;
}

int IsThisWindowsNT4() {
    const kvo::OperatingSystem& os = kvo::OperatingSystem::getCurrentOperatingSystem();
    return IsThisWindowsNT() && os.getMajor().value() == 4 ? 1 : 0;
}
