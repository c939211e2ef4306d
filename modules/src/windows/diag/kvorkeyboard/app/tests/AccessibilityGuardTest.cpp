// The guard against fake system settings and a fake keyboard: what it
// switches off, what it puts back and in which order, and what it does when
// Windows refuses.
#include "app/AccessibilityGuard.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "system/testing/FakeKeyboardInput.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

// Each call as (action, size, the structure's flags as passed, winIni, key events sent before it).
using Call = std::tuple<UINT, UINT, DWORD, UINT, std::size_t>;

struct FakeSystemSettings : SystemSettings {
    explicit FakeSystemSettings(const FakeKeyboardInput& k) : keyboard(k) {}
    bool systemParametersInfo(UINT action, UINT size, void* data, UINT winIni) override {
        DWORD& flags = *reinterpret_cast<DWORD*>(static_cast<char*>(data) + sizeof(UINT));
        if (action == SPI_GETSTICKYKEYS || action == SPI_GETTOGGLEKEYS || action == SPI_GETFILTERKEYS) flags = action;
        calls.emplace_back(action, size, flags, winIni, keyboard.sentEvents.size());
        return failing.count(action) == 0;
    }
    bool isWindowsNT() override { return true; }
    DWORD getLastError() override { return 1439; }

    const FakeKeyboardInput& keyboard;
    std::set<UINT> failing;
    std::vector<Call> calls;
};

class AccessibilityGuardTest : public ::testing::Test {
protected:
    std::vector<std::string> logged() { return logLines(capture, "kvorkeyboard"); }
    FakeKeyboardInput keyboard;
    FakeSystemSettings settings{keyboard};
    AccessibilityGuard guard{keyboard, settings};
    kvo::ScopedLogCapture capture{1};
};

// On NT only a keystroke changes a lamp: each lock key that differs from the
// start gets one press and release, before the features come back (Toggle
// Keys would beep at them). A feature goes off with every flag cleared.
TEST_F(AccessibilityGuardTest, SwitchesTheFeaturesOffAndPutsLampsThenFeaturesBack) {
    keyboard.mapped = {{VK_CAPITAL, 0x3A}, {VK_NUMLOCK, 0x45}};
    keyboard.setToggled(VK_CAPITAL, true), keyboard.setToggled(VK_SCROLL, true);
    guard.saveAndDisable();
    keyboard.setToggled(VK_CAPITAL, false), keyboard.setToggled(VK_NUMLOCK, true);
    guard.restore();
    const DWORD down = KEYEVENTF_EXTENDEDKEY, up = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP;
    EXPECT_EQ(keyboard.sentEvents, (std::vector<FakeKeyboardInput::KeyEvent>{{VK_CAPITAL, 0x3A, down}, {VK_CAPITAL, 0x3A, up},
                                                                             {VK_NUMLOCK, 0x45, down}, {VK_NUMLOCK, 0x45, up}}));
    const UINT change = SPIF_SENDCHANGE;
    EXPECT_EQ(settings.calls, (std::vector<Call>{
        {SPI_GETSTICKYKEYS, 8, SPI_GETSTICKYKEYS, 0, 0}, {SPI_SETSTICKYKEYS, 8, 0, change, 0}, {SPI_GETTOGGLEKEYS, 8, SPI_GETTOGGLEKEYS, 0, 0},
        {SPI_SETTOGGLEKEYS, 8, 0, change, 0}, {SPI_GETFILTERKEYS, 24, SPI_GETFILTERKEYS, 0, 0}, {SPI_SETFILTERKEYS, 24, 0, change, 0},
        {SPI_SETSTICKYKEYS, 8, SPI_GETSTICKYKEYS, change, 4}, {SPI_SETTOGGLEKEYS, 8, SPI_GETTOGGLEKEYS, change, 4},
        {SPI_SETFILTERKEYS, 24, SPI_GETFILTERKEYS, change, 4}}));
    EXPECT_TRUE(logged().empty());
}

// A feature that could not be read or switched off is not put back; each refusal is logged.
TEST_F(AccessibilityGuardTest, RefusalsAreLoggedAndOnlyWhatWasSwitchedOffIsPutBack) {
    settings.failing = {SPI_GETSTICKYKEYS, SPI_SETTOGGLEKEYS};
    guard.saveAndDisable();
    settings.failing = {SPI_SETFILTERKEYS};
    settings.calls.clear();
    guard.restore();
    EXPECT_EQ(settings.calls, (std::vector<Call>{{SPI_SETFILTERKEYS, 24, SPI_GETFILTERKEYS, SPIF_SENDCHANGE, 0}}));
    EXPECT_EQ(logged(), (std::vector<std::string>{"4:Couldn't retrive sticky key state...not disabling", "1:get sticky key state error 1439",
                                                  "4:Couldn't disable toggle keys", "1:disable toggle keys error 1439",
                                                  "4:Failed to turn back on filter keys", "1:failuire to turn back on filter keys error 1439"}));
}

}  // namespace
