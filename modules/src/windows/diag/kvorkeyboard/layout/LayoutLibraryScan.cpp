#include "LayoutLibraryScan.h"

#include <utility>

#include "KeyboardTypeCatalogue.h"
#include "kvo/Logging.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef s_log("kvorkeyboard.CKeyboardLayoutTest");

const char* const kDefaultLayoutFile = "Std104Kbd.kbl";

// Puts the current directory back however the scan ends.
class DirectoryRestorer {
public:
    explicit DirectoryRestorer(LayoutSystem& system) : m_system(system), m_saved(system.currentDirectory()) {}
    ~DirectoryRestorer() { (void)m_system.setCurrentDirectory(m_saved); }
    DirectoryRestorer(const DirectoryRestorer&) = delete;
    DirectoryRestorer& operator=(const DirectoryRestorer&) = delete;

private:
    LayoutSystem& m_system;
    kvo::String m_saved;
};

}  // namespace

LayoutScan scanLayoutLibraries(LayoutSystem& system, const kvo::String& folder, const kvo::String& layoutToShow,
                               LoadedLayouts& layouts) {
    const kvo::String wantedFile = (layoutToShow.empty() ? kvo::String(kDefaultLayoutFile) : layoutToShow).toLower();
    KVO_LOG(s_log, 1, folder);

    DirectoryRestorer restorer(system);
    if (!system.setCurrentDirectory(folder)) KVO_LOG(s_log, 3, "Failed to set path:" << folder);

    LayoutScan scan;
    for (const kvo::String& file : system.findLayoutFiles()) {
        // Owned from the moment it is mapped: naming and listing it allocate, and may throw.
        LayoutLibrary library(system.mapLibrary(file), {&system});
        if (!library) {
            scan.unmappable.push_back(file);
            continue;
        }
        const kvo::String name = system.libraryName(library.get());
        const kvo::String displayName = name.empty() ? file : keyboardTypeDisplayName(name);
        if (file.toLower().compare(wantedFile) == 0) {
            scan.wanted = {displayName, library.get()};
            KVO_LOG(s_log, 1, "Set [" << displayName << "] as default layout.");
        }
        layouts.add(displayName, std::move(library));
    }
    return scan;
}

}  // namespace kvorkeyboard
