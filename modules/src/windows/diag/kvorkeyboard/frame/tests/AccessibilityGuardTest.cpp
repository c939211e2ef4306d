#include "frame/AccessibilityGuard.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "kvo/Logging.h"
#include "system/testing/FakeKeyboardInput.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeKeyboardInput;

namespace {

class FakeSystemSettings : public SystemSettings {
public:
    struct Call {
        UINT action;
        UINT size;
        DWORD flags;  // the structure's dwFlags as passed
        UINT winIni;
        std::size_t keyEventsBefore;
    };
    explicit FakeSystemSettings(const FakeKeyboardInput& keyboard) : m_keyboard(keyboard) {}

    std::set<UINT> failing;
    DWORD stickyFlags = SKF_STICKYKEYSON | SKF_HOTKEYACTIVE;
    DWORD toggleFlags = TKF_HOTKEYACTIVE;
    DWORD filterFlags = FKF_FILTERKEYSON;
    bool nt = true;
    std::vector<Call> calls;

    bool systemParametersInfo(UINT action, UINT param, void* data, UINT winIni) override {
        DWORD flags = *reinterpret_cast<DWORD*>(static_cast<char*>(data) + sizeof(UINT));
        if (action == SPI_GETSTICKYKEYS) static_cast<STICKYKEYS*>(data)->dwFlags = flags = stickyFlags;
        if (action == SPI_GETTOGGLEKEYS) static_cast<TOGGLEKEYS*>(data)->dwFlags = flags = toggleFlags;
        if (action == SPI_GETFILTERKEYS) static_cast<FILTERKEYS*>(data)->dwFlags = flags = filterFlags;
        calls.push_back({action, param, flags, winIni, m_keyboard.sentEvents.size()});
        return failing.count(action) == 0;
    }
    bool isWindowsNT() override { return nt; }
    DWORD getLastError() override { return 1439; }

    std::vector<Call> callsOf(UINT action) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.action == action) out.push_back(c);
        return out;
    }

private:
    const FakeKeyboardInput& m_keyboard;
};

class AccessibilityGuardTest : public ::testing::Test {
protected:
    void SetUp() override { keyboard.scanCodes = {{VK_CAPITAL, 0x3A}, {VK_NUMLOCK, 0x45}, {VK_SCROLL, 0x46}}; }

    std::vector<std::string> messages() { return kvorkeyboard::testing::logLines(m_capture, "kvorkeyboard"); }

    FakeKeyboardInput keyboard;
    FakeSystemSettings settings{keyboard};
    AccessibilityGuard guard{keyboard, settings};
    kvo::ScopedLogCapture m_capture{1};
    kvo::MemoryLogSink* m_log = &m_capture.sink();
};

}  // namespace

TEST_F(AccessibilityGuardTest, SwitchesAllThreeOffAndRestoresWhatWasRead) {
    guard.saveAndDisable();
    guard.restore();
    // A feature is switched off by clearing every flag, and put back with the flags read.
    const std::vector<std::tuple<UINT, UINT, DWORD, UINT>> expected{
        {SPI_GETSTICKYKEYS, 8, settings.stickyFlags, 0},  {SPI_SETSTICKYKEYS, 8, 0, SPIF_SENDCHANGE},
        {SPI_GETTOGGLEKEYS, 8, settings.toggleFlags, 0},  {SPI_SETTOGGLEKEYS, 8, 0, SPIF_SENDCHANGE},
        {SPI_GETFILTERKEYS, 24, settings.filterFlags, 0}, {SPI_SETFILTERKEYS, 24, 0, SPIF_SENDCHANGE},
        {SPI_SETSTICKYKEYS, 8, settings.stickyFlags, SPIF_SENDCHANGE},
        {SPI_SETTOGGLEKEYS, 8, settings.toggleFlags, SPIF_SENDCHANGE},
        {SPI_SETFILTERKEYS, 24, settings.filterFlags, SPIF_SENDCHANGE}};
    std::vector<std::tuple<UINT, UINT, DWORD, UINT>> calls;
    for (const auto& c : settings.calls) calls.emplace_back(c.action, c.size, c.flags, c.winIni);
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(messages().empty());
}

TEST_F(AccessibilityGuardTest, FailedReadWritesNothingForThatFeatureAndLeavesTheOthersWorking) {
    settings.failing = {SPI_GETSTICKYKEYS};
    guard.saveAndDisable();
    EXPECT_TRUE(settings.callsOf(SPI_SETSTICKYKEYS).empty());
    EXPECT_FALSE(guard.snapshot().stickyKeysDisabled);
    EXPECT_TRUE(guard.snapshot().toggleKeysDisabled);
    EXPECT_TRUE(guard.snapshot().filterKeysDisabled);
    EXPECT_EQ(messages(), (std::vector<std::string>{"4:Couldn't retrive sticky key state...not disabling",
                                                    "1:get sticky key state error 1439"}));
    settings.calls.clear();
    guard.restore();
    EXPECT_TRUE(settings.callsOf(SPI_SETSTICKYKEYS).empty());
    EXPECT_EQ(settings.callsOf(SPI_SETTOGGLEKEYS).size(), 1u);
    EXPECT_EQ(settings.callsOf(SPI_SETFILTERKEYS).size(), 1u);
}

// Every failure text, each as a level-4 line followed by its level-1 detail.
TEST_F(AccessibilityGuardTest, FailedWritesAreLoggedAtFourThenOneAndNotRestored) {
    settings.failing = {SPI_SETTOGGLEKEYS, SPI_GETFILTERKEYS};
    guard.saveAndDisable();
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "4:Couldn't disable toggle keys", "1:disable toggle keys error 1439",
                              "4:Couldn't retrieve filter key state...not disabling",
                              "1:get filter key state error 1439"}));
    m_log->clear();
    settings.failing = {SPI_SETSTICKYKEYS};
    guard.restore();
    EXPECT_EQ(settings.calls.back().action, UINT(SPI_SETSTICKYKEYS)) << "toggle and filter were never switched off";
    EXPECT_EQ(messages(), (std::vector<std::string>{"4:Failed to turn back on sticky keys",
                                                    "1:failure to turn back on sticky keys error 1439"}));
    AccessibilityGuard other{keyboard, settings};
    settings.failing.clear();
    other.saveAndDisable();
    m_log->clear();
    settings.failing = {SPI_SETTOGGLEKEYS, SPI_SETFILTERKEYS};
    other.restore();
    EXPECT_EQ(messages(), (std::vector<std::string>{"4:Failed to turn back on toggle keys",
                                                    "1:failure to turn back on toggle keys error 1439",
                                                    "4:Failed to turn back on filter keys",
                                                    "1:failuire to turn back on filter keys error 1439"}));
}

TEST_F(AccessibilityGuardTest, OnNtEachLampThatDiffersGetsExactlyOnePressAndReleaseBeforeTheFeatures) {
    keyboard.setToggled(VK_CAPITAL, true);
    keyboard.setToggled(VK_SCROLL, true);
    guard.saveAndDisable();
    EXPECT_EQ(guard.snapshot().savedCapsLock, 1);
    keyboard.setToggled(VK_CAPITAL, false);  // the operator left Caps Lock off,
    keyboard.setToggled(VK_NUMLOCK, true);   // switched Num Lock on; Scroll Lock agrees
    settings.calls.clear();
    guard.restore();
    using Event = FakeKeyboardInput::KeyEvent;
    const DWORD down = KEYEVENTF_EXTENDEDKEY, up = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP;
    EXPECT_EQ(keyboard.sentEvents, (std::vector<Event>{{VK_CAPITAL, 0x3A, down}, {VK_CAPITAL, 0x3A, up},
                                                       {VK_NUMLOCK, 0x45, down}, {VK_NUMLOCK, 0x45, up}}));
    EXPECT_TRUE(keyboard.isToggled(VK_CAPITAL));
    EXPECT_FALSE(keyboard.isToggled(VK_NUMLOCK));
    ASSERT_FALSE(settings.calls.empty());
    EXPECT_EQ(settings.calls.front().keyEventsBefore, 4u) << "lock keys come before the features";
}

TEST_F(AccessibilityGuardTest, BeforeNtTheStateIsWrittenAndAHeldKeyComesBackOff) {
    settings.nt = false;
    keyboard.setToggled(VK_CAPITAL, true);                  // saved as exactly 1
    keyboard.press(VK_NUMLOCK);                            // held: saved as 0xFF80, not 1
    keyboard.setToggled(VK_NUMLOCK, true);
    guard.saveAndDisable();
    keyboard.setToggled(VK_CAPITAL, false);
    keyboard.release(VK_NUMLOCK);
    guard.restore();
    EXPECT_TRUE(keyboard.sentEvents.empty());
    EXPECT_EQ(keyboard.keys[VK_CAPITAL], 1);
    EXPECT_EQ(keyboard.keys[VK_NUMLOCK], 0);
    EXPECT_EQ(keyboard.keys[VK_SCROLL], 0);
}

TEST_F(AccessibilityGuardTest, NoTextIsBuiltWhenLevelsAreNotAdmitted) {
    kvo::LogFactory::setPriority(5);
    settings.failing = {SPI_GETSTICKYKEYS, SPI_SETTOGGLEKEYS};
    guard.saveAndDisable();
    EXPECT_TRUE(m_log->entries().empty());
}
