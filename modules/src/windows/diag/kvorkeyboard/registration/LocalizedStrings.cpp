#include "LocalizedStrings.h"

namespace kvorkeyboard {
namespace {

const char* const kIdNames[kTextCount] = {
#define KVORKEYBOARD_TEXT_NAME(id) #id,
    KVORKEYBOARD_TEXT_IDS(KVORKEYBOARD_TEXT_NAME)
#undef KVORKEYBOARD_TEXT_NAME
};

vemo5::LocalizedString* g_localizedStrings[kTextCount] = {};

// The host's handle for an id; null before CreateLocalizedStrings.
vemo5::LocalizedString* localizedStringHandle(TextId id) { return g_localizedStrings[static_cast<int>(id)]; }

}  // namespace

void CreateLocalizedStrings() {
    for (int i = 0; i < kTextCount; ++i)
        g_localizedStrings[i] = vemo5::DiagModule::createLocalizedString(vemo5::VemoString(kIdNames[i]));
}

kvo::String localizedText(TextId id) {
    vemo5::LocalizedString* handle = localizedStringHandle(id);
    if (handle == nullptr) return kvo::String(textIdName(id));
    return handle->localizedString().kvoString();
}

const char* textIdName(TextId id) { return kIdNames[static_cast<int>(id)]; }

}  // namespace kvorkeyboard
