#pragma once
// The machine-wide Run entries through which resident keyboard managers are
// started at log-on: reading one, and telling its program among the running
// processes.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "system/RegistrySystem.h"

namespace kvorkeyboard {

// The entry's command line, or empty when there is no Run key or no such
// value. False when the value cannot be used: another type (REG_EXPAND_SZ
// included), longer than a path, or unreadable.
[[nodiscard]] bool ReadRunEntry(RegistrySystem& registry, const wchar_t* valueName, std::wstring& text);

// File name and extension of the entry's path; arguments stay attached to
// the extension, the way the path splitter sees them.
std::wstring RunEntryExecutable(const std::wstring& entry);

// First position at which `pattern` occurs in `text`, letter case ignored;
// none when either is null or empty.
std::optional<std::size_t> FindSubstringNoCase(const wchar_t* text, const wchar_t* pattern);

}  // namespace kvorkeyboard
