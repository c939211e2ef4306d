// Windows side of the host's platform needs; nothing else here.
#include <windows.h>

#include <cstdio>
#include <string>

#include "../Platform.h"
#include "kvo/String.h"

namespace vemo5 {

std::string executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return ".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return ".";
    return kvo::String(path.substr(0, separator)).toUtf8();
}

void attachParentConsole() {
    // Redirected output (a pipe or a file) already works; only a missing
    // console needs the parent's.
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    FILE* ignored = nullptr;
    freopen_s(&ignored, "CONOUT$", "w", stdout);
    freopen_s(&ignored, "CONOUT$", "w", stderr);
}

}  // namespace vemo5
