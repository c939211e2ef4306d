#pragma once
// The layout libraries a layout test has mapped, in the order they were
// found, each with the name it is listed under. They stay mapped while the
// test lives, since switching pictures reuses them, and are released in that
// same order when it goes.
#include <cstdint>
#include <vector>

#include "LayoutSystem.h"
#include "kvo/Array.h"
#include "kvo/Pair.h"

namespace kvorkeyboard {

using LayoutEntry = kvo::Pair<kvo::String, HINSTANCE>;

class LoadedLayouts {
public:
    LoadedLayouts() = default;
    ~LoadedLayouts();
    LoadedLayouts(const LoadedLayouts&) = delete;
    LoadedLayouts& operator=(const LoadedLayouts&) = delete;

    // Keeps the library, listed under `displayName`, also when the list
    // cannot grow: it then goes with the others.
    void add(const kvo::String& displayName, LayoutLibrary library);
    std::uint32_t size() const { return m_layouts.size(); }
    const LayoutEntry& operator[](std::uint32_t index) const { return m_layouts[index]; }
    // Equal names are possible; the library found last wins. An empty name
    // and a null handle when none is called so.
    LayoutEntry lastNamed(const kvo::String& displayName) const;

private:
    kvo::Array<LayoutEntry> m_layouts;
    std::vector<LayoutLibrary> m_libraries;
};

}  // namespace kvorkeyboard
