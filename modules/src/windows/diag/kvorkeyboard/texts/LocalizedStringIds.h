#pragma once
// Every text id the module shows, in the order it registers them with the
// host. The list is the single source for the TextId enumeration and for the
// registration, so the two cannot drift apart. Portable code names texts by
// these ids too; fetching one is the registration's business.
#define KVORKEYBOARD_TEXT_IDS(X)                                                                      \
    /* buttons */                                                                                     \
    X(msgPass) X(msgPassNoShortcut) X(msgFail) X(msgFailNoShortcut) X(msgAbort) X(msgAbortNoShortcut) \
    X(msgReset) X(msgResetNoShortcut)                                                                 \
    /* chooser dialog */                                                                              \
    X(szAvailableTests) X(szKeyboardLayoutTest) X(szSimpleKeyboardTest)                               \
    /* instructions of the chooser and the layout test */                                             \
    X(msgFnInstructions) X(msgInstructions) X(msgInstructionsC1) X(msgInstructionsC2)                 \
    X(msgInstructionsP1) X(msgInstructionsP2) X(msgInstructionsNoShortcutP2) X(msgInstructionsP3)     \
    X(msgInstructionsNoShortcutP3) X(msgInstructionsP4) X(msgInstructionsNoShortcutP4)                \
    X(msgInstructionsP5) X(msgInstructionsNoShortcutP5) X(msgInstructionsP6)                          \
    /* layout test labels */                                                                          \
    X(msgKeyboardType) X(msgFinish)                                                                   \
    /* keyboard types */                                                                              \
    X(KBMC) X(KBUSBF99) X(KBStandard101) X(KBStandard104) X(KBStandard106) X(KBFujiB1) X(KBFujiB2)    \
    X(KBFujiC) X(KBFujiE) X(KBFujiN) X(KBFujiP1) X(KBFujiP2) X(KBFujiS1) X(KBFujiS2) X(KBToughBook)  \
    /* simple test */                                                                                 \
    X(msgInstruction1) X(msgInstructionNoShortcut1) X(msgInstruction2) X(msgInstruction3)             \
    X(msgInstructionNoShortcut3) X(msgInstruction4) X(msgInstructionNoShortcut4) X(msgHistory)        \
    X(msgKeystrokeInformation) X(msgVkCode) X(msgScanCode) X(msgDepressedTime) X(msgCurrentKey)       \
    X(msgLed) X(msgNumLock) X(msgCapsLock) X(msgScrollLock) X(instructionNotAnEditor)                 \
    /* media-centre test */                                                                           \
    X(msgKeyPressed) X(msgMCInstruction1) X(msgMCInstruction2) X(msgMCSubInstruction1)                \
    X(msgMCSubInstruction2) X(msgAnyKey)                                                              \
    /* key names */                                                                                   \
    X(keyDefault)                                                                                     \
    X(keyEsc) X(keyF1) X(keyF2) X(keyF3) X(keyF4) X(keyF5) X(keyF6) X(keyF7) X(keyF8) X(keyF9)        \
    X(keyF10) X(keyF11) X(keyF12) X(keyPrtScn) X(keyScrLk) X(keyPause)                                \
    X(keyInsert) X(keyDelete) X(keyHome) X(keyEnd) X(keyPageUp) X(keyPageDown) X(keyArrowUp)          \
    X(keyArrowDown) X(keyArrowLeft) X(keyArrowRight)                                                  \
    X(keyNumLock) X(keyNum0) X(keyNum1) X(keyNum2) X(keyNum3) X(keyNum4) X(keyNum5) X(keyNum6)        \
    X(keyNum7) X(keyNum8) X(keyNum9) X(keyNumEnter) X(keyNumDelete) X(keyNumAdd) X(keyNumSubtract)    \
    X(keyNumMultiply) X(keyNumDivide)                                                                 \
    X(keyBackspace) X(keyTab) X(keyCapsLock) X(keyEnter) X(keySpace) X(keyLeftShift) X(keyRightShift) \
    X(keyLeftCtrl) X(keyRightCtrl) X(keyLeftWindows) X(keyRightWindows) X(keyLeftAlt) X(keyRightAlt)  \
    X(keyApplication)                                                                                 \
    X(keyKoreanHangulEnglish) X(keyHanja) X(keyNoConversion) X(keyConversion) X(keyKatakanaRomaji)

namespace kvorkeyboard {

enum class TextId {
#define KVORKEYBOARD_TEXT_ENUM(id) id,
    KVORKEYBOARD_TEXT_IDS(KVORKEYBOARD_TEXT_ENUM)
#undef KVORKEYBOARD_TEXT_ENUM
};

constexpr int kTextCount = 0
#define KVORKEYBOARD_TEXT_COUNT(id) +1
    KVORKEYBOARD_TEXT_IDS(KVORKEYBOARD_TEXT_COUNT)
#undef KVORKEYBOARD_TEXT_COUNT
    ;

}  // namespace kvorkeyboard
