#pragma once
// Folders, libraries and pictures held in memory. Handles are small made-up
// numbers: they are only compared, never used.
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "layout/LayoutSystem.h"

namespace kvorkeyboard::testing {

template <typename Handle>
Handle fakeHandle(std::uintptr_t n) {
    return reinterpret_cast<Handle>(n);
}

class FakeLayoutSystem : public LayoutSystem {
public:
    struct Library {
        kvo::String name;
        std::set<LANGID> pictureLanguages;
    };

    kvo::String cwd = "C:\\start";
    std::set<kvo::String> folders{"C:\\start"};
    std::map<kvo::String, std::vector<kvo::String>> files;   // folder -> "*.kbl" names
    std::map<kvo::String, Library> modules;                  // file -> content; absent: not a module
    std::vector<HINSTANCE> freed;
    LANGID userLanguage = 0x0409;
    std::vector<std::pair<HINSTANCE, LANGID>> pictureLookups;
    std::vector<std::pair<const DLGTEMPLATE*, HWND>> createdPictures;
    std::map<HWND, std::vector<HWND>> children;
    std::map<std::pair<HWND, int>, HWND> items;

    HINSTANCE libraryFor(const kvo::String& file) const { return m_mapped.at(file); }

    kvo::String currentDirectory() override { return cwd; }
    bool setCurrentDirectory(const kvo::String& path) override {
        if (folders.count(path) == 0) return false;
        cwd = path;
        return true;
    }
    std::vector<kvo::String> findLayoutFiles() override { return files[cwd]; }
    HINSTANCE mapLibrary(const kvo::String& fileName) override {
        auto found = modules.find(fileName);
        if (found == modules.end()) return nullptr;
        HINSTANCE handle = fakeHandle<HINSTANCE>(0x100 + m_mapped.size());
        m_mapped[fileName] = handle;
        m_libraries[handle] = found->second;
        return handle;
    }
    void freeLibrary(HINSTANCE library) override { freed.push_back(library); }
    kvo::String libraryName(HINSTANCE library) override { return m_libraries.at(library).name; }
    const DLGTEMPLATE* findPicture(HINSTANCE library, LANGID language) override {
        pictureLookups.emplace_back(library, language);
        return m_libraries.at(library).pictureLanguages.count(language) != 0 ? &m_template : nullptr;
    }
    LANGID userDefaultLanguage() override { return userLanguage; }
    HWND createPicture(const DLGTEMPLATE* picture, HWND parent) override {
        createdPictures.emplace_back(picture, parent);
        return kPicture;
    }
    std::vector<HWND> descendants(HWND window) override { return children[window]; }
    HWND dialogItem(HWND dialog, int id) override {
        auto found = items.find({dialog, id});
        return found != items.end() ? found->second : nullptr;
    }

    const HWND kPicture = fakeHandle<HWND>(0x5000);
    const DLGTEMPLATE* pictureTemplate() const { return &m_template; }

private:
    DLGTEMPLATE m_template{};
    std::map<kvo::String, HINSTANCE> m_mapped;
    std::map<HINSTANCE, Library> m_libraries;
};

}  // namespace kvorkeyboard::testing
