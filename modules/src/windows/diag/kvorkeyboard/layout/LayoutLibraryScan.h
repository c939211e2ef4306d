#pragma once
// Finding and mapping the layout libraries of the "LayoutsPath" folder when a
// layout test starts.
#include <vector>

#include "LoadedLayouts.h"

namespace kvorkeyboard {

struct LayoutScan {
    // The library named by the "szLayoutToShow" setting (or "Std104Kbd.kbl"):
    // its display name and handle; an empty name and null handle when no file
    // has that name.
    LayoutEntry wanted{kvo::String(), nullptr};
    // Files that are no loadable module; each earns a "LayoutLoadFailed" warning.
    std::vector<kvo::String> unmappable;
};

// Maps every "*.kbl" of `folder` into `layouts`, in the file system's order,
// each listed under its localized display name or, lacking one, its file name.
// File names are matched to `layoutToShow` ignoring case. When `folder`
// cannot be entered the search runs where the process stands; the process's
// current directory is the same afterwards either way.
LayoutScan scanLayoutLibraries(LayoutSystem& system, const kvo::String& folder, const kvo::String& layoutToShow,
                               LoadedLayouts& layouts);

}  // namespace kvorkeyboard
