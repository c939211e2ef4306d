// The layout test page in the frame, on folders of real layout libraries,
// fed message-hook keystrokes through its hook entry. What each keystroke
// means is LayoutKeyDecisionsTest's business; here, what the page makes of
// it: its list, its picture, its requests.
#include "layout/KeyboardLayoutTest.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "page/testing/DialogTest.h"
#include "layout/Win32LayoutSystem.h"
#include "res/KeyboardLayoutTestRes.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

namespace key {
constexpr std::uint16_t A = 30, S = 31, P = 25, F = 33, LeftCtrl = 29, LeftAlt = 56, LeftWindows = 347;
}

// The real libraries, for a German user: English pictures serve every user.
// Every library mapped must be freed through this system, and no picture
// destroyed through it after it went with its page.
struct GermanUserSystem : Win32LayoutSystem {
    int mapped = 0, stale = 0;  // libraries not freed yet; pictures destroyed after they were gone
    LANGID userDefaultLanguage() override { return 0x0407; }
    HINSTANCE mapLibrary(const kvo::String& file) override {
        HINSTANCE library = Win32LayoutSystem::mapLibrary(file);
        return mapped += library != nullptr, library;
    }
    void freeLibrary(HINSTANCE library) override { --mapped, Win32LayoutSystem::freeLibrary(library); }
    void destroyPicture(HWND picture) override { stale += !IsWindow(picture), Win32LayoutSystem::destroyPicture(picture); }
};

// Opens on the shipped libraries unless a test names another folder.
class KeyboardLayoutTestTest : public HostedPageTest<CKeyboardLayoutTest> {
protected:
    void SetUp() override {
        HostedPageTest::SetUp();
        setParameter(ParameterId::bEnablePassAfterAllPressed, "true");
        setParameter(ParameterId::LayoutsPath, KVORKEYBOARD_TEST_LAYOUTS_DIR);
        m_saved = std::exchange(layoutPageSystem(), &system);
    }
    void TearDown() override {
        if (page) page->DestroyWindow();  // as the frame ends a page
        page.reset();
        layoutPageSystem() = m_saved;
        EXPECT_EQ(std::make_pair(system.mapped, system.stale), std::make_pair(0, 0));
    }
    // The page goes by the keystroke word alone, not the virtual key. What
    // it injected meanwhile comes back through the hooks once the call returns.
    LRESULT keystroke(std::uint16_t id, bool up, bool alt = false, WPARAM vk = 0x07) {
        const LPARAM word = 1 | (LPARAM(id & 0xFF) << 16) | (id & 0x100 ? 1L << 24 : 0) | (alt ? 1L << 29 : 0) |
                            (up ? 3L << 30 : 0);
        const LRESULT result = page->keyboardHookHandler(vk, word);
        return env.deliverInjected(), result;
    }
    void press(std::uint16_t id) {
        EXPECT_EQ(keystroke(id, false), 1) << "every keystroke is swallowed";
        EXPECT_EQ(keystroke(id, true), 1);
    }
    // The layout library's picture, inside the page's layout area.
    HWND picture() { return GetWindow(page->GetDlgItem(IDC_LAYOUT_AREA)->m_hWnd, GW_CHILD); }
    bool shown(std::uint16_t id) { return IsWindowVisible(GetDlgItem(picture(), id)) != FALSE; }
    CComboBox& typeList() { return *static_cast<CComboBox*>(page->GetDlgItem(IDC_KEYBOARD_TYPE)); }
    std::wstring type(int index) {
        kvo::String text;
        typeList().GetLBText(index, text);
        return text.getUCS2Buffer();
    }

    GermanUserSystem system;

private:
    LayoutSystem* m_saved = nullptr;
};

}  // namespace

// Each library is listed under its catalogue name, or lacking one its file
// name, cut to 63 characters; the wanted file is found whatever its case.
TEST_F(KeyboardLayoutTestTest, ListsTheLibrariesAndShowsTheWantedOnesPictureThroughTheMessageHook) {
    setParameter(ParameterId::LayoutsPath, ".");  // the small libraries beside the test, and a file that is no module
    setParameter(ParameterId::szLayoutToShow, "UNNAMED.KBL");
    open(IDD_KEYBOARD_LAYOUT_TEST);
    EXPECT_EQ(raised(g_pLayoutLoadFailedEvent, "CKeyboardLayoutTest", 264), 1);
    ASSERT_EQ(typeList().GetCount(), 3);
    EXPECT_EQ(type(0), L"012345678901234567890123456789012345678901234567890123456789012");
    EXPECT_EQ(type(1), localizedText(TextId::KBStandard104).getUCS2Buffer());
    EXPECT_EQ(type(typeList().GetCurSel()), L"Unnamed.kbl");
    EXPECT_EQ(g_discoveredKeys.size(), 1u);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, FALSE}, {WM_TEST_ENABLE_PASS, FALSE}}));
    typeList().SetCurSel(0);  // a French picture only
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KEYBOARD_TYPE, CBN_SELENDOK));
    EXPECT_EQ(picture(), nullptr);
    EXPECT_EQ(raised(g_pInvalidLayoutEvent, "CKeyboardLayoutTest", 495), 1);
    // The thread's message hook, after the handler's own.
    const auto hook = env.hooks.installed.back();
    EXPECT_TRUE(hook.idHook == WH_KEYBOARD && hook.threadId == env.hooks.threadId);
    page->DestroyWindow();
    EXPECT_EQ(std::count(env.hooks.removed.begin(), env.hooks.removed.end(), hook.handle), 1);
}

// Every key of the picture, once: each goes, and Pass comes with the last.
// A German user's first left Ctrl event (Ctrl held since before the test) is
// not counted.
TEST_F(KeyboardLayoutTestTest, EveryKeyOfThePictureGoesWhenPressedAndPassComesWithTheLast) {
    open(IDD_KEYBOARD_LAYOUT_TEST);
    std::vector<std::uint16_t> keys;
    for (HWND child = GetWindow(picture(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) keys.push_back(static_cast<std::uint16_t>(GetDlgCtrlID(child)));
    ASSERT_GE(keys.size(), 104u);
    keystroke(key::LeftCtrl, true);
    EXPECT_TRUE(shown(key::LeftCtrl));
    requests();
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) press(keys[i]);
    EXPECT_TRUE(requests().empty());
    press(keys.back());
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, TRUE}}));
    for (std::uint16_t id : keys) EXPECT_FALSE(shown(id)) << id;
}

TEST_F(KeyboardLayoutTestTest, ShortcutsActOnThePictureTheKeyboardAndTheFrame) {
    open(IDD_KEYBOARD_LAYOUT_TEST);
    // The Windows key: a release of the digit 0 is injected at once; it comes
    // back through the hooks and is skipped as the page's own, unseen by its
    // handler. The key itself goes with its own release.
    keystroke(key::LeftWindows, false, false, VK_LWIN);
    EXPECT_EQ(env.keyboard.sentEvents, (std::vector<FakeKeyboardInput::KeyEvent>{{0x30, 0, KEYEVENTF_KEYUP}}));
    keystroke(key::A, false);
    EXPECT_FALSE(shown(key::A));
    EXPECT_TRUE(shown(key::LeftWindows));
    keystroke(key::LeftWindows, true, false, VK_LWIN);
    EXPECT_FALSE(shown(key::LeftWindows));
    const auto dumped = logLines(log, "kvorkeyboard.HookKeyboardHandler");
    EXPECT_EQ(std::count(dumped.begin(), dumped.end(), "1:Virtual Code: 48"), 0);
    // Alt+S brings every key back.
    keystroke(key::LeftAlt, false, true);
    keystroke(key::S, false, true);
    EXPECT_TRUE(shown(key::LeftWindows));
    requests();
    keystroke(key::P, false, true);
    keystroke(key::F, false, true);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_PASS, 0}, {WM_TEST_FAIL, 0}}));
    EXPECT_EQ(raised(g_pUserClickedFailEvent, "CKeyboardLayoutTest", 410), 1);
}

