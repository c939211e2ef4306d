#include "LoadedLayouts.h"

namespace kvorkeyboard {

LoadedLayouts::~LoadedLayouts() {
    for (std::uint32_t i = 0; i < m_layouts.size(); ++i) m_system.freeLibrary(m_layouts[i].second);
}

void LoadedLayouts::add(const LayoutEntry& layout) {
    try {
        m_layouts.append(layout);
    } catch (...) {
        m_system.freeLibrary(layout.second);
        throw;
    }
}

LayoutEntry LoadedLayouts::lastNamed(const kvo::String& displayName) const {
    LayoutEntry found{kvo::String(), nullptr};
    for (std::uint32_t i = 0; i < m_layouts.size(); ++i)
        if (m_layouts[i].first == displayName) found = m_layouts[i];
    return found;
}

}  // namespace kvorkeyboard
