#pragma once
#include "LayoutSystem.h"

namespace kvorkeyboard {

class Win32LayoutSystem : public LayoutSystem {
public:
    kvo::String currentDirectory() override;
    [[nodiscard]] bool setCurrentDirectory(const kvo::String& path) override;
    std::vector<kvo::String> findLayoutFiles() override;
    HINSTANCE mapLibrary(const kvo::String& fileName) override;
    void freeLibrary(HINSTANCE library) override;
    kvo::String libraryName(HINSTANCE library) override;
    const DLGTEMPLATE* findPicture(HINSTANCE library, LANGID language) override;
    LANGID userDefaultLanguage() override;
    HWND createPicture(const DLGTEMPLATE* picture, HWND parent) override;
    void destroyPicture(HWND picture) override;
    std::vector<HWND> descendants(HWND window) override;
    HWND dialogItem(HWND dialog, int id) override;
};

// The system the layout test page asks; tests put their own in its place.
LayoutSystem*& layoutPageSystem();

}  // namespace kvorkeyboard
