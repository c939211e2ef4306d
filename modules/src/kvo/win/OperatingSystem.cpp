#include "kvo/OperatingSystem.h"

#include <windows.h>

namespace kvo {
namespace {

// RtlGetVersion reports the real version; GetVersionExW is capped by the
// manifest's compatibility section.
OperatingSystem readVersion() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll != nullptr
        ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
        : nullptr;
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) return OperatingSystem(0);
    return OperatingSystem(info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber);
}

}  // namespace

const OperatingSystem& OperatingSystem::getCurrentOperatingSystem() {
    static const OperatingSystem current = readVersion();
    return current;
}

}  // namespace kvo
