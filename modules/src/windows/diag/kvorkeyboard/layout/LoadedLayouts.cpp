#include "LoadedLayouts.h"

#include <utility>

namespace kvorkeyboard {

LoadedLayouts::~LoadedLayouts() {
    for (LayoutLibrary& library : m_libraries) library.reset();
}

void LoadedLayouts::add(const kvo::String& displayName, LayoutLibrary library) {
    m_libraries.push_back(std::move(library));
    m_layouts.append({displayName, m_libraries.back().get()});
}

LayoutEntry LoadedLayouts::lastNamed(const kvo::String& displayName) const {
    LayoutEntry found{kvo::String(), nullptr};
    for (std::uint32_t i = 0; i < m_layouts.size(); ++i)
        if (m_layouts[i].first == displayName) found = m_layouts[i];
    return found;
}

}  // namespace kvorkeyboard
