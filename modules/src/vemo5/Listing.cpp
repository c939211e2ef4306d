#include "Listing.h"

namespace vemo5 {
namespace {

std::string describe(const Parameter& parameter) {
    return parameter.name() + " " + parameter.dataType().name() + " default \"" + parameter.defaultText() + "\"";
}

}  // namespace

std::string listing(const Registry& registry) {
    std::string text = "Tests:\n";
    for (const Test* test : registry.tests()) {
        text += "  " + test->name() + "\n";
        for (const Parameter* parameter : test->parameters()) text += "    " + describe(*parameter) + "\n";
    }
    text += "Parameters:\n";
    for (const Parameter* parameter : registry.parameters()) {
        text += "  " + describe(*parameter) + (parameter->isModuleWide() ? " module-wide" : " per-test");
        text += parameter->isConfigurable() ? "\n" : " fixed\n";
    }
    text += "Events:\n";
    for (const Event* event : registry.events()) text += "  " + event->name() + "\n";
    return text;
}

}  // namespace vemo5
