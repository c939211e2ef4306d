#include "LayoutInstructions.h"

#include "registration/LocalizedStrings.h"

namespace kvorkeyboard {
namespace {

kvo::String text(bool disabled, TextId withoutShortcut, TextId withShortcut) {
    return localizedText(disabled ? withoutShortcut : withShortcut);
}

}  // namespace

kvo::String layoutInstructions(const ShortcutSwitches& switches) {
    static const kvo::String composed =
        localizedText(TextId::msgInstructionsP1) + "\r\n\r\n" +
        text(switches.disableAbort, TextId::msgInstructionsNoShortcutP4, TextId::msgInstructionsP4) + "  " +
        text(switches.disableReset, TextId::msgInstructionsNoShortcutP5, TextId::msgInstructionsP5) + "  " +
        localizedText(TextId::msgInstructionsP6);
    return composed;
}

kvo::String layoutSubInstruction1(const ShortcutSwitches& switches) {
    return text(switches.disableFail, TextId::msgInstructionsNoShortcutP2, TextId::msgInstructionsP2);
}

kvo::String layoutSubInstruction2(const ShortcutSwitches& switches) {
    return text(switches.disableFail, TextId::msgInstructionsNoShortcutP3, TextId::msgInstructionsP3);
}

}  // namespace kvorkeyboard
