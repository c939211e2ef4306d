#include "RunEntry.h"

#include <cstdlib>
#include <cwchar>
#include <vector>

namespace kvorkeyboard {
namespace {

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// A command line as long as a path and its terminator.
constexpr DWORD kValueBytes = 520;

enum class ValueOutcome { None, Text, Unusable };

ValueOutcome classify(LONG status, DWORD type, DWORD size) {
    if (status == ERROR_FILE_NOT_FOUND) return ValueOutcome::None;
    if (status != ERROR_SUCCESS || type != REG_SZ) return ValueOutcome::Unusable;
    return size == 0 ? ValueOutcome::None : ValueOutcome::Text;
}

// The registry does not promise a terminator: a value stored without one
// may fill the whole buffer. The text is therefore taken by the size the
// query reported, up to the first terminator if there is one, so a full
// buffer yields all its 260 characters and nothing beyond it is ever read.
std::wstring textOf(const wchar_t* buffer, DWORD sizeInBytes) {
    const std::size_t units = sizeInBytes / sizeof(wchar_t);
    return std::wstring(buffer, ::wcsnlen(buffer, units));
}

}  // namespace

bool ReadRunEntry(RegistrySystem& registry, const wchar_t* valueName, std::wstring& text) {
    text.clear();
    HKEY rawKey = nullptr;
    LONG opened = registry.openKey(HKEY_LOCAL_MACHINE, kRunKey, KEY_QUERY_VALUE, rawKey);
    if (opened == ERROR_FILE_NOT_FOUND) return true;
    if (opened != ERROR_SUCCESS) return false;
    RegistryKey key(rawKey, {&registry});

    wchar_t buffer[kValueBytes / sizeof(wchar_t)] = {};
    DWORD type = REG_NONE;
    DWORD size = kValueBytes;
    LONG queried = registry.queryValue(key.get(), valueName, type, reinterpret_cast<BYTE*>(buffer), size);
    switch (classify(queried, type, size)) {
        case ValueOutcome::None:
            return true;
        case ValueOutcome::Unusable:
            return false;
        case ValueOutcome::Text:
            break;
    }
    // The one path that must know whether closing worked closes by itself.
    if (registry.closeKey(key.release()) != ERROR_SUCCESS) return false;
    text = textOf(buffer, size);
    return true;
}

std::wstring RunEntryExecutable(const std::wstring& entry) {
    const std::size_t capacity = entry.size() + 1;
    // No part of a path is longer than the path, so neither call can run
    // out of room, and their status has nothing to tell.
    std::vector<wchar_t> name(capacity), extension(capacity), joined(2 * capacity);
    ::_wsplitpath_s(entry.c_str(), nullptr, 0, nullptr, 0, name.data(), capacity, extension.data(), capacity);
    ::_wmakepath_s(joined.data(), joined.size(), nullptr, nullptr, name.data(), extension.data());
    return joined.data();
}

std::optional<std::size_t> FindSubstringNoCase(const wchar_t* text, const wchar_t* pattern) {
    if (text == nullptr || pattern == nullptr) return std::nullopt;
    const std::size_t textLength = std::wcslen(text);
    const std::size_t patternLength = std::wcslen(pattern);
    if (textLength == 0 || patternLength == 0 || patternLength > textLength) return std::nullopt;
    for (std::size_t position = 0; position + patternLength <= textLength; ++position) {
        if (::_wcsnicmp(text + position, pattern, patternLength) == 0) return position;
    }
    return std::nullopt;
}

}  // namespace kvorkeyboard
