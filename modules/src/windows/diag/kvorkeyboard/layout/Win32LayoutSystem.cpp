#include "Win32LayoutSystem.h"

#include <string>

#include "afx/FileFind.h"
#include "kvo/Exception.h"

namespace kvorkeyboard {

kvo::String Win32LayoutSystem::currentDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring buffer(length, L'\0');
    const DWORD written = GetCurrentDirectoryW(length, buffer.data());
    buffer.resize(written < length ? written : 0);
    return kvo::String(buffer);
}

bool Win32LayoutSystem::setCurrentDirectory(const kvo::String& path) {
    return SetCurrentDirectoryW(path.getUCS2Buffer()) != FALSE;
}

std::vector<kvo::String> Win32LayoutSystem::findLayoutFiles() {
    std::vector<kvo::String> names;
    CFileFind finder;
    BOOL more = finder.FindFile(L"*.kbl");
    while (more) {
        more = finder.FindNextFile();
        names.push_back(finder.GetFileName());
    }
    return names;
}

HINSTANCE Win32LayoutSystem::mapLibrary(const kvo::String& fileName) {
    return LoadLibraryExW(fileName.getUCS2Buffer(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

void Win32LayoutSystem::freeLibrary(HINSTANCE library) { FreeLibrary(library); }

kvo::String Win32LayoutSystem::libraryName(HINSTANCE library) {
    wchar_t name[64] = {};
    const int length = LoadStringW(library, 1, name, 64);
    return kvo::String(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

namespace {

constexpr int kLookupAssertLine = 715;

// The resource's locked data and size; false when it is missing, empty or
// cannot be loaded.
bool LoadDialogResource(HINSTANCE module, LPCWSTR type, LPCWSTR pszResource, LANGID language,
                        const void** ppvResData, DWORD* pdwSize) {
    KVO_ASSERT_AT((ppvResData != NULL) && (pszResource != NULL) && !IsBadWritePtr(pdwSize, sizeof(*pdwSize)),
                  "CKeyboardLayoutTest", kLookupAssertLine);
    HRSRC resource = FindResourceExW(module, type, pszResource, language);
    if (resource == nullptr) return false;
    *pdwSize = SizeofResource(module, resource);
    HGLOBAL loaded = *pdwSize != 0 ? LoadResource(module, resource) : nullptr;
    *ppvResData = loaded != nullptr ? LockResource(loaded) : nullptr;
    return *ppvResData != nullptr;
}

}  // namespace

const DLGTEMPLATE* Win32LayoutSystem::findPicture(HINSTANCE library, LANGID language) {
    const void* picture = nullptr;
    DWORD size = 0;
    return LoadDialogResource(library, RT_DIALOG, MAKEINTRESOURCEW(2), language, &picture, &size)
               ? static_cast<const DLGTEMPLATE*>(picture)
               : nullptr;
}

LANGID Win32LayoutSystem::userDefaultLanguage() { return GetUserDefaultLangID(); }

HWND Win32LayoutSystem::createPicture(const DLGTEMPLATE* picture, HWND parent) {
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), picture, parent, nullptr, 0);
}

void Win32LayoutSystem::destroyPicture(HWND picture) { DestroyWindow(picture); }

namespace {
BOOL CALLBACK collectDescendant(HWND window, LPARAM windows) {
    // Runs inside EnumChildWindows: an exception must not leave it.
    try {
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}
}  // namespace

std::vector<HWND> Win32LayoutSystem::descendants(HWND window) {
    std::vector<HWND> windows;
    EnumChildWindows(window, collectDescendant, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND Win32LayoutSystem::dialogItem(HWND dialog, int id) { return GetDlgItem(dialog, id); }

LayoutSystem*& layoutPageSystem() {
    static Win32LayoutSystem windows;
    static LayoutSystem* inUse = &windows;
    return inUse;
}

}  // namespace kvorkeyboard
