#pragma once
// What the layout test asks of Windows to find layout libraries and draw their
// pictures. The production side only calls Win32; tests drive every decision
// above it with a fake.
#include <windows.h>

#include <vector>

#include "kvo/String.h"
#include "kvo/UniqueHandle.h"

namespace kvorkeyboard {

class LayoutSystem {
public:
    virtual ~LayoutSystem() = default;

    virtual kvo::String currentDirectory() = 0;
    [[nodiscard]] virtual bool setCurrentDirectory(const kvo::String& path) = 0;
    // The "*.kbl" names of the current directory, in the file system's order.
    virtual std::vector<kvo::String> findLayoutFiles() = 0;

    // Mapped as data, so none of its code can run; null when it is no module.
    virtual HINSTANCE mapLibrary(const kvo::String& fileName) = 0;
    virtual void freeLibrary(HINSTANCE library) = 0;
    // String 1, cut to 63 units; empty when the library has none.
    virtual kvo::String libraryName(HINSTANCE library) = 0;
    // Dialog 2 in exactly this language; null when missing, empty or unloadable.
    virtual const DLGTEMPLATE* findPicture(HINSTANCE library, LANGID language) = 0;
    virtual LANGID userDefaultLanguage() = 0;

    // The picture as a child of `parent` with no dialog procedure; null on failure.
    virtual HWND createPicture(const DLGTEMPLATE* picture, HWND parent) = 0;
    virtual void destroyPicture(HWND picture) = 0;
    // Every window below `window`, at any depth, in the order Windows enumerates them.
    virtual std::vector<HWND> descendants(HWND window) = 0;
    virtual HWND dialogItem(HWND dialog, int id) = 0;
};

// A mapped library, freed through the system that mapped it.
using LayoutLibrary = kvo::SeamHandle<LayoutSystem, HINSTANCE, &LayoutSystem::freeLibrary>;
// A picture window, destroyed through the system that created it.
using PictureWindow = kvo::SeamHandle<LayoutSystem, HWND, &LayoutSystem::destroyPicture>;

}  // namespace kvorkeyboard
