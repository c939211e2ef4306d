#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "frame/LocalizedStrings.h"
#include "frame/ModuleParameters.h"
#include "frame/ModuleRegistration.h"

using namespace kvorkeyboard;

namespace {

vemo5::TestResult runNothing(const vemo5::DiagDevice&) { return vemo5::TestResult::INTERNALERROR(); }
vemo5::TestResult runOther(const vemo5::DiagDevice&) { return vemo5::TestResult::PASS(); }

template <typename T>
std::vector<T*> newEntries(const std::vector<T*>& all, std::size_t before) {
    return std::vector<T*>(all.begin() + static_cast<long>(before), all.end());
}

// The registration order the host's catalogs and earlier logs rely on,
// written out independently of the module's own list.
const char* const kExpectedTextIds = R"(
    msgPass msgPassNoShortcut msgFail msgFailNoShortcut msgAbort msgAbortNoShortcut msgReset msgResetNoShortcut
    szAvailableTests szKeyboardLayoutTest szSimpleKeyboardTest
    msgFnInstructions msgInstructions msgInstructionsC1 msgInstructionsC2 msgInstructionsP1 msgInstructionsP2
    msgInstructionsNoShortcutP2 msgInstructionsP3 msgInstructionsNoShortcutP3 msgInstructionsP4
    msgInstructionsNoShortcutP4 msgInstructionsP5 msgInstructionsNoShortcutP5 msgInstructionsP6
    msgKeyboardType msgFinish
    KBMC KBUSBF99 KBStandard101 KBStandard104 KBStandard106 KBFujiB1 KBFujiB2 KBFujiC KBFujiE KBFujiN KBFujiP1
    KBFujiP2 KBFujiS1 KBFujiS2 KBToughBook
    msgInstruction1 msgInstructionNoShortcut1 msgInstruction2 msgInstruction3 msgInstructionNoShortcut3
    msgInstruction4 msgInstructionNoShortcut4 msgHistory msgKeystrokeInformation msgVkCode msgScanCode
    msgDepressedTime msgCurrentKey msgLed msgNumLock msgCapsLock msgScrollLock instructionNotAnEditor
    msgKeyPressed msgMCInstruction1 msgMCInstruction2 msgMCSubInstruction1 msgMCSubInstruction2 msgAnyKey
    keyDefault keyEsc keyF1 keyF2 keyF3 keyF4 keyF5 keyF6 keyF7 keyF8 keyF9 keyF10 keyF11 keyF12 keyPrtScn
    keyScrLk keyPause keyInsert keyDelete keyHome keyEnd keyPageUp keyPageDown keyArrowUp keyArrowDown
    keyArrowLeft keyArrowRight keyNumLock keyNum0 keyNum1 keyNum2 keyNum3 keyNum4 keyNum5 keyNum6 keyNum7
    keyNum8 keyNum9 keyNumEnter keyNumDelete keyNumAdd keyNumSubtract keyNumMultiply keyNumDivide
    keyBackspace keyTab keyCapsLock keyEnter keySpace keyLeftShift keyRightShift keyLeftCtrl keyRightCtrl
    keyLeftWindows keyRightWindows keyLeftAlt keyRightAlt keyApplication
    keyKoreanHangulEnglish keyHanja keyNoConversion keyConversion keyKatakanaRomaji)";

std::vector<std::string> words(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

std::vector<std::string> names(const std::vector<vemo5::Parameter*>& parameters) {
    std::vector<std::string> out;
    for (auto* p : parameters) out.push_back(p->name());
    return out;
}

}  // namespace

TEST(Registration, FourInteractiveKeyboardTestsThenThreeEventsInOrder) {
    std::size_t testsBefore = vemo5::DiagModule::tests().size();
    std::size_t eventsBefore = vemo5::DiagModule::events().size();
    RegisterTestsAndEvents({runNothing, runOther, runNothing, runNothing});

    auto tests = newEntries(vemo5::DiagModule::tests(), testsBefore);
    ASSERT_EQ(tests.size(), 4u);
    const char* expected[] = {"KeyboardInteractiveTest", "KeyboardLayoutTest", "SimpleKeyboardTest",
                              "MediaCenterKeyboardTest"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tests[i]->name(), expected[i]);
        EXPECT_TRUE(tests[i]->isInteractive());
        EXPECT_TRUE(tests[i]->createsOwnGUI());
        EXPECT_EQ(tests[i]->capability(),
                  vemo5::DeviceCapability::KeyboardTest() | vemo5::DeviceCapability::Keyboard());
    }
    EXPECT_EQ(tests[1]->runFunction(), &runOther);
    EXPECT_EQ(g_pKeyboardLayoutTest, tests[1]);
    EXPECT_EQ(g_pMediaCenterKeyboardTest, tests[3]);

    auto events = newEntries(vemo5::DiagModule::events(), eventsBefore);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0]->name(), "UserClickedFail");
    EXPECT_EQ(events[1]->name(), "InvalidLayout");
    EXPECT_EQ(events[2]->name(), "LayoutLoadFailed");
    EXPECT_EQ(g_pInvalidLayoutEvent, events[1]);
}

TEST(Registration, TextsAre129IdsInTheirFixedOrderAndReadThroughTheirHandles) {
    std::size_t before = vemo5::DiagModule::localizedStrings().size();
    CreateLocalizedStrings();
    auto texts = newEntries(vemo5::DiagModule::localizedStrings(), before);
    std::vector<std::string> ids;
    for (auto* t : texts) ids.push_back(t->id());
    EXPECT_EQ(ids, words(kExpectedTextIds));
    EXPECT_EQ(localizedStringHandle(TextId::keyF1), texts[68]);
    EXPECT_EQ(localizedText(TextId::keyF1), texts[68]->localizedString().kvoString());
}

TEST(Registration, FourteenParametersWithTypesFlagsAndTestAttachments) {
    RegisterTestsAndEvents({runNothing, runNothing, runNothing, runNothing});
    std::size_t before = vemo5::DiagModule::parameters().size();
    CreateModuleParameters();
    AttachParametersToTests();

    auto parameters = newEntries(vemo5::DiagModule::parameters(), before);
    EXPECT_EQ(names(parameters),
              words("bSuppressKbManagerParam ResourcesPath LayoutsPath ImagesPath bForceKeyPressDefault "
                    "bForceKeyPressDefaultExceptEnglish bDisableAbortKeyboardShortcut "
                    "bDisablePassKeyboardShortcut bDisableFailKeyboardShortcut bDisableResetKeyboardShortcut "
                    "szDefaultTestToShow szLayoutToShow bEnablePassAfterAllPressed bUseSimpleUi"));
    for (int i = 0; i < kParameterCount; ++i) {
        vemo5::Parameter* p = parameters[i];
        bool boolean = p->name()[0] == 'b';
        EXPECT_EQ(p->dataType(), boolean ? vemo5::DataType::BOOLEAN() : vemo5::DataType::STRING()) << p->name();
        EXPECT_EQ(p->defaultText(), "") << p->name();
        EXPECT_EQ(p->isModuleWide(), i < 10) << p->name();
        EXPECT_TRUE(p->isConfigurable()) << p->name();
    }
    EXPECT_EQ(names(g_pKeyboardInteractiveTest->parameters()),
              words("szLayoutToShow bUseSimpleUi bEnablePassAfterAllPressed szDefaultTestToShow"));
    EXPECT_EQ(names(g_pKeyboardLayoutTest->parameters()), words("szLayoutToShow bEnablePassAfterAllPressed"));
    EXPECT_EQ(names(g_pSimpleKeyboardTest->parameters()), words("bUseSimpleUi"));
    EXPECT_TRUE(g_pMediaCenterKeyboardTest->parameters().empty());
}
