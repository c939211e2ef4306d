#pragma once
// Everything a module has registered with one host, in registration order.
// The host owns the objects; the module keeps pointers for the process's life.
#include <memory>
#include <string>
#include <vector>

#include "vemo5/DiagModule.h"

namespace vemo5 {

class Registry {
public:
    Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    Test* createTest(const std::string& name, RunFunction run);
    Event* createEvent(const std::string& name);
    Parameter* createParameter(const std::string& name, DataType type, const std::string& defaultText,
                               bool moduleWide, bool configurable);
    LocalizedString* createLocalizedString(const std::string& id);

    const std::vector<Test*>& tests() const { return m_tests.order; }
    const std::vector<Event*>& events() const { return m_events.order; }
    const std::vector<Parameter*>& parameters() const { return m_parameters.order; }

    // The first registered with that name, or null.
    Test* findTest(const std::string& name) const;
    Parameter* findParameter(const std::string& name) const;

private:
    template <typename T>
    struct Owned {
        std::vector<std::unique_ptr<T>> owner;
        std::vector<T*> order;
        T* keep(std::unique_ptr<T> object) {
            order.push_back(object.get());
            owner.push_back(std::move(object));
            return order.back();
        }
    };

    Owned<Test> m_tests;
    Owned<Event> m_events;
    Owned<Parameter> m_parameters;
    Owned<LocalizedString> m_texts;
};

}  // namespace vemo5
