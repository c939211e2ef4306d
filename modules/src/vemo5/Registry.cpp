#include "Registry.h"

#include <algorithm>

namespace vemo5 {
namespace {

template <typename T>
T* findByName(const std::vector<T*>& objects, const std::string& name) {
    auto found = std::find_if(objects.begin(), objects.end(), [&name](const T* o) { return o->name() == name; });
    return found != objects.end() ? *found : nullptr;
}

}  // namespace

Test* Registry::createTest(const std::string& name, RunFunction run) {
    return m_tests.keep(std::make_unique<Test>(name, run));
}

Event* Registry::createEvent(const std::string& name) { return m_events.keep(std::make_unique<Event>(name)); }

Parameter* Registry::createParameter(const std::string& name, DataType type, const std::string& defaultText,
                                     bool moduleWide, bool configurable) {
    return m_parameters.keep(std::make_unique<Parameter>(name, type, defaultText, moduleWide, configurable));
}

LocalizedString* Registry::createLocalizedString(const std::string& id) {
    return m_texts.keep(std::make_unique<LocalizedString>(id));
}

Test* Registry::findTest(const std::string& name) const { return findByName(tests(), name); }

Parameter* Registry::findParameter(const std::string& name) const { return findByName(parameters(), name); }

}  // namespace vemo5
