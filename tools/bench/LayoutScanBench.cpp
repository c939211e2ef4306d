// How long the layout test takes to scan and map folders of 10, 100 and 1,000
// layout libraries and what the mapped libraries cost in memory; then how
// long a picture takes to draw and discover, and how long hiding a pressed
// key takes once the hook has named it.
//   LayoutScanBench.exe <a .kbl to copy>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "afx/ScopedWin.h"
#include "layout/LayoutLibraryScan.h"
#include "layout/LayoutPicture.h"
#include "layout/Win32LayoutSystem.h"

using namespace kvorkeyboard;

namespace {

double secondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now() {
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value;
}

// Mapped libraries are file-backed, so they show in the working set and the
// address space rather than in private memory.
struct Memory {
    double workingSetKiB;
    double addressSpaceKiB;
};

Memory memoryInUse() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatusEx(&status);
    return {static_cast<double>(counters.WorkingSetSize) / 1024,
            static_cast<double>(status.ullTotalVirtual - status.ullAvailVirtual) / 1024};
}

std::wstring fileIn(const std::wstring& folder, int n) {
    wchar_t name[32];
    swprintf(name, 32, L"\\L%04d.kbl", n);
    return folder + name;
}

void scanFolderOf(const wchar_t* source, int count) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"kvo-bench-" + std::to_wstring(count);
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) CopyFileW(source, fileIn(folder, i).c_str(), FALSE);

    Win32LayoutSystem system;
    const Memory before = memoryInUse();
    const LARGE_INTEGER start = now();
    {
        LoadedLayouts layouts;
        (void)scanLayoutLibraries(system, kvo::String(folder), "", layouts);
        const double seconds = secondsSince(start);
        const Memory after = memoryInUse();
        std::printf("%5d libraries: scan and map %8.1f ms (%6.3f ms each), working set +%8.1f KiB, "
                    "address space +%9.1f KiB\n",
                    static_cast<int>(layouts.size()), seconds * 1000, seconds * 1000 / count,
                    after.workingSetKiB - before.workingSetKiB, after.addressSpaceKiB - before.addressSpaceKiB);
    }
    for (int i = 0; i < count; ++i) DeleteFileW(fileIn(folder, i).c_str());
    RemoveDirectoryW(folder.c_str());
}

void drawAndPress(const wchar_t* source) {
    Win32LayoutSystem system;
    const LayoutLibrary library(system.mapLibrary(kvo::String(source)), {&system});
    afx::ScopedWindow area(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 900, 300, nullptr,
                                           nullptr, GetModuleHandleW(nullptr), nullptr));
    LARGE_INTEGER start = now();
    const PictureWindow picture = createLayoutPicture(system, library.get(), area.get());
    kvo::Array<HWND> keys;
    discoverKeys(system, picture.get(), keys);
    std::printf("picture: draw and discover %u keys %8.2f ms\n", keys.size(), secondsSince(start) * 1000);

    // What marking does per key: find it, test it, take it off the list, hide it.
    // Taking the last key each time makes every search run the whole list.
    const std::uint32_t total = keys.size();
    start = now();
    for (std::uint32_t i = 0; i < total; ++i) {
        HWND key = GetDlgItem(picture.get(), GetDlgCtrlID(keys[keys.size() - 1]));
        if (!IsWindowVisible(key)) continue;
        keys.remove(key);
        ShowWindow(key, SW_HIDE);
    }
    std::printf("pressing: %u keys hidden, %8.3f ms each\n", total - keys.size(),
                total ? secondsSince(start) * 1000 / total : 0.0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: LayoutScanBench <library.kbl>\n");
        return 2;
    }
    wchar_t source[MAX_PATH];
    GetFullPathNameW(argv[1], MAX_PATH, source, nullptr);
    for (int count : {10, 100, 1000}) scanFolderOf(source, count);
    drawAndPress(source);
    return 0;
}
