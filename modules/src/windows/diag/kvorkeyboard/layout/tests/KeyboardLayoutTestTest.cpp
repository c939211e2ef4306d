// The layout test page inside the frame's template, on folders of real
// layout libraries, fed message-hook keystrokes through its hook entry with
// the fake keyboard and hook system behind it.
#include "layout/KeyboardLayoutTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/testing/FrameRequests.h"
#include "frame/ModuleParameters.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "kvo/Logging.h"
#include "layout/KeyboardTypeCatalogue.h"
#include "layout/Win32LayoutSystem.h"
#include "res/InteractiveTestDlgRes.h"
#include "res/KeyboardLayoutTestRes.h"

using namespace kvorkeyboard;

namespace {

using kvorkeyboard::testing::Request;

const LANGID kGerman = 0x0407;
const LANGID kEnglishUs = 0x0409;
const WPARAM kNeutralVk = 0x07;  // the layout test goes by scan code alone

namespace key {
constexpr std::uint16_t A = 30, S = 31, P = 25, F = 33, LeftCtrl = 29, LeftAlt = 56, Enter = 28, Up = 328, Down = 336,
                        LeftWindows = 347;
}

// The real libraries, with a user language the test chooses.
class UserLanguageSystem : public Win32LayoutSystem {
public:
    LANGID language = kEnglishUs;
    LANGID userDefaultLanguage() override { return language; }
};

class KeyboardLayoutTestTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!parameterHandle(ParameterId::LayoutsPath)) CreateModuleParameters();
    }
    void SetUp() override {
        for (ParameterId id : {ParameterId::bDisablePassKeyboardShortcut, ParameterId::bDisableFailKeyboardShortcut,
                               ParameterId::bDisableAbortKeyboardShortcut, ParameterId::bDisableResetKeyboardShortcut})
            setParameter(id, "false");
        setParameter(ParameterId::bEnablePassAfterAllPressed, "true");
        setParameter(ParameterId::szLayoutToShow, "");
        g_layoutInput = {};
        m_saved = layoutPageSystem();
        layoutPageSystem() = &system;
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"kvo-layout-page-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(m_folder.c_str(), nullptr)) << GetLastError();
        setParameter(ParameterId::LayoutsPath, kvo::String(m_folder).toUtf8().c_str());
        ASSERT_TRUE(frame.Create(IDD_INTERACTIVE_TEST));
    }
    void TearDown() override {
        page.reset();
        frame.DestroyWindow();
        layoutPageSystem() = m_saved;
        for (const std::wstring& file : m_files) DeleteFileW(file.c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    static void setParameter(ParameterId id, const char* value) { ASSERT_TRUE(parameterHandle(id)->setValue(value)); }

    // A shipped library (from the build's layouts) or a test fixture (beside the test).
    void addLibrary(const std::wstring& name, bool shipped = true) {
        const std::wstring source = shipped ? std::wstring(L"" KVORKEYBOARD_TEST_LAYOUTS_DIR L"/") + name : name;
        m_files.push_back(m_folder + L"\\" + name);
        ASSERT_TRUE(CopyFileW(source.c_str(), m_files.back().c_str(), FALSE)) << GetLastError();
    }
    void addNonModule(const std::wstring& name) {
        m_files.push_back(m_folder + L"\\" + name);
        HANDLE file = CreateFileW(m_files.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    void openPage() {
        page = std::make_unique<CKeyboardLayoutTest>();
        ASSERT_TRUE(page->Create(IDD_KEYBOARD_LAYOUT_TEST, frame.GetDlgItem(IDC_TEST_AREA)));
        page->ShowWindow(SW_SHOW);
    }

    LRESULT keystroke(std::uint16_t id, bool up, bool alt = false, bool repeat = false, WPARAM vk = kNeutralVk) {
        const LPARAM word = 1 | (LPARAM(id & 0xFF) << 16) | (id & 0x100 ? 1L << 24 : 0) | (alt ? 1L << 29 : 0) |
                            (up || repeat ? 1L << 30 : 0) | (up ? LPARAM(1u << 31) : 0);
        return page->keyboardHookHandler(vk, word);
    }
    // Down and up, with the release the page injects for a Windows key
    // coming back through the hook as Windows would send it.
    void press(std::uint16_t id, bool alt = false) {
        const std::size_t injected = env.keyboard.sentEvents.size();
        EXPECT_EQ(keystroke(id, false, alt), 1) << "every keystroke is swallowed";
        if (env.keyboard.sentEvents.size() > injected) keystroke(0, true, false, false, 0x30);
        EXPECT_EQ(keystroke(id, true, alt), 1);
    }
    // Handles what the page posted to itself.
    void pump() {
        MSG msg;
        while (PeekMessageW(&msg, page->m_hWnd, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    // The requests the page has posted to its frame since the last look.
    std::vector<Request> requests() { return kvorkeyboard::testing::takeFrameRequests(frame.m_hWnd); }
    std::vector<std::uint16_t> visibleKeys() {
        std::vector<std::uint16_t> keys;
        for (HWND child = GetWindow(page->layoutWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(child);
            if (IsWindowVisible(child) && id != 1104 && id != 1106) keys.push_back(static_cast<std::uint16_t>(id));
        }
        return keys;
    }
    bool shown(std::uint16_t id) { return IsWindowVisible(GetDlgItem(page->layoutWindow(), id)) != FALSE; }
    CComboBox& typeList() { return *static_cast<CComboBox*>(page->GetDlgItem(IDC_KEYBOARD_TYPE)); }
    std::wstring selectedType() {
        kvo::String text;
        typeList().GetLBText(typeList().GetCurSel(), text);
        return text.getUCS2Buffer();
    }
    static bool hostEvent(kvo::ScopedLogCapture& capture, const std::string& code) {
        for (const auto& entry : capture.sink().entries())
            if (entry.message.find(": CKeyboardLayoutTest (" + code + ")") != std::string::npos) return true;
        return false;
    }

    kvorkeyboard::testing::ScopedHookEnvironment env;
    UserLanguageSystem system;
    CDialog frame;
    std::unique_ptr<CKeyboardLayoutTest> page;

private:
    LayoutSystem* m_saved = nullptr;
    std::wstring m_folder;
    std::vector<std::wstring> m_files;
};

}  // namespace

TEST_F(KeyboardLayoutTestTest, OpensOnTheStandardKeyboardWithTheMessageHookAndPassGreyed) {
    for (const wchar_t* name : {L"Std101Kbd.kbl", L"Std104Kbd.kbl", L"Iso105Kbd.kbl"}) addLibrary(name);
    openPage();
    EXPECT_EQ(typeList().GetCount(), 3);
    EXPECT_EQ(selectedType(), keyboardTypeDisplayName("Standard 104/109 key keyboard.").getUCS2Buffer());
    ASSERT_NE(page->layoutWindow(), nullptr);
    EXPECT_EQ(GetParent(page->layoutWindow()), page->GetDlgItem(IDC_LAYOUT_AREA)->m_hWnd);
    EXPECT_GE(g_discoveredKeys.size(), 104u);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, FALSE}, {WM_TEST_ENABLE_PASS, FALSE}}));
    // Besides the handler's filter hooks, the thread's message hook.
    const auto& installed = env.hooks.installed;
    const auto hook = std::find_if(installed.begin(), installed.end(), [](const auto& h) { return h.idHook == WH_KEYBOARD; });
    ASSERT_NE(hook, installed.end());
    EXPECT_EQ(hook->threadId, env.hooks.threadId);
    page->DestroyWindow();
    EXPECT_NE(std::find(env.hooks.removed.begin(), env.hooks.removed.end(), hook->handle), env.hooks.removed.end());
}

TEST_F(KeyboardLayoutTestTest, PassComesWithTheLastKeyOfThePictureAndNotBefore) {
    addLibrary(L"Std104Kbd.kbl");
    openPage();
    requests();
    const std::vector<std::uint16_t> keys = visibleKeys();
    ASSERT_GE(keys.size(), 104u);
    keystroke(0x7F, false);  // a key the picture lacks
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) press(keys[i]);
    press(keys[0]);
    EXPECT_TRUE(requests().empty());
    EXPECT_EQ(visibleKeys(), (std::vector<std::uint16_t>{keys.back()}));
    press(keys.back());
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, TRUE}}));
    EXPECT_TRUE(visibleKeys().empty());
}

TEST_F(KeyboardLayoutTestTest, WithoutTheParameterPassIsOfferedAtOnceAndAgainForEveryMarkedKey) {
    setParameter(ParameterId::bEnablePassAfterAllPressed, "false");
    addLibrary(L"Std104Kbd.kbl");
    openPage();
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, TRUE}}));
    press(key::A);
    press(key::A);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, TRUE}})) << "a hidden key is pressed once";
}

TEST_F(KeyboardLayoutTestTest, InstructionTextsOfAPictureAreNeverKeys) {
    addLibrary(L"Named.kbl", false);
    openPage();
    requests();
    EXPECT_EQ(g_discoveredKeys.size(), 2u);
    wchar_t text[64] = {};
    GetDlgItemTextW(page->layoutWindow(), 1104, text, 64);
    EXPECT_STRNE(text, L"Fn") << "the Fn instructions come from the texts";
    press(key::A);
    press(key::S);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, TRUE}}));
}

TEST_F(KeyboardLayoutTestTest, AltSBringsEveryKeyBackAndItsAltReleaseMarksNothing) {
    addLibrary(L"Std104Kbd.kbl");
    openPage();
    press(key::A);
    ASSERT_FALSE(shown(key::A));
    requests();

    keystroke(key::LeftAlt, false, true);
    keystroke(key::S, false, true);
    keystroke(key::S, true, true);
    keystroke(key::LeftAlt, true, false, false, VK_MENU);
    EXPECT_TRUE(shown(key::A));
    EXPECT_TRUE(shown(key::S));
    EXPECT_TRUE(shown(key::LeftAlt)) << "the release that ends Alt+S";
    EXPECT_EQ(requests().back(), (Request{WM_TEST_ENABLE_PASS, FALSE}));

    keystroke(key::LeftAlt, false, true);
    keystroke(key::LeftAlt, true, false, false, VK_MENU);
    EXPECT_FALSE(shown(key::LeftAlt)) << "Alt alone is marked on release";
}

TEST_F(KeyboardLayoutTestTest, ShortcutsEndTheTestUnlessSwitchedOffThenTheyMarkTheirKey) {
    addLibrary(L"Std104Kbd.kbl");
    openPage();
    requests();
    kvo::ScopedLogCapture capture(1);
    keystroke(key::P, false, true);
    keystroke(key::F, false, true);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_PASS, 0}, {WM_TEST_FAIL, 0}}));
    EXPECT_TRUE(hostEvent(capture, "410")) << "UserClickedFail from the page itself";
    EXPECT_TRUE(shown(key::P));

    page.reset();
    setParameter(ParameterId::bDisablePassKeyboardShortcut, "true");
    setParameter(ParameterId::bDisableResetKeyboardShortcut, "true");
    openPage();
    requests();
    keystroke(key::P, false, true);
    keystroke(key::S, false, true);
    EXPECT_TRUE(requests().empty());
    EXPECT_FALSE(shown(key::P));
    EXPECT_FALSE(shown(key::S));
}

TEST_F(KeyboardLayoutTestTest, TheWindowsKeyIsReleasedAtOnceAndMarkedOnItsOwnRelease) {
    addLibrary(L"Std104Kbd.kbl");
    openPage();
    keystroke(key::LeftWindows, false, false, false, VK_LWIN);
    ASSERT_EQ(env.keyboard.sentEvents.size(), 1u);
    EXPECT_EQ(env.keyboard.sentEvents[0].virtualKey, 0x30);
    EXPECT_EQ(env.keyboard.sentEvents[0].flags, DWORD(KEYEVENTF_KEYUP));
    EXPECT_TRUE(shown(key::LeftWindows));
    keystroke(key::A, false);  // stands for the injected release: skipped
    EXPECT_TRUE(shown(key::A));
    keystroke(key::LeftWindows, true, false, false, VK_LWIN);
    EXPECT_FALSE(shown(key::LeftWindows));
}

TEST_F(KeyboardLayoutTestTest, AGermanUsersFirstLeftCtrlEventIsIgnoredAnAmericansIsNot) {
    addLibrary(L"Std104Kbd.kbl");
    system.language = kGerman;
    openPage();
    keystroke(key::LeftCtrl, true);  // Ctrl held since before the test
    EXPECT_TRUE(shown(key::LeftCtrl));
    keystroke(key::LeftCtrl, false);
    EXPECT_FALSE(shown(key::LeftCtrl));

    page.reset();
    system.language = kEnglishUs;
    openPage();
    keystroke(key::LeftCtrl, true);
    EXPECT_FALSE(shown(key::LeftCtrl));
}

TEST_F(KeyboardLayoutTestTest, TheTypeListIsSteeredFromTheKeyboardWithoutWrappingOrMarking) {
    for (const wchar_t* name : {L"Std101Kbd.kbl", L"Std104Kbd.kbl", L"Iso105Kbd.kbl"}) addLibrary(name);
    openPage();
    const int last = typeList().GetCount() - 1;
    // To either end and one step past it; the picture changes only at Enter.
    for (const std::uint16_t arrow : {key::Up, key::Down}) {
        const int target = arrow == key::Up ? 0 : last;
        HWND before = page->layoutWindow();
        const bool moves = typeList().GetCurSel() != target;
        requests();
        keystroke(arrow, false, true);
        EXPECT_EQ(g_layoutInput.inputMode, 1);
        for (int i = 0; i <= last + 1; ++i) {
            keystroke(arrow, false);
            keystroke(arrow, true);
            pump();
        }
        EXPECT_EQ(typeList().GetCurSel(), target) << "no wrap";
        EXPECT_EQ(page->layoutWindow(), before);
        keystroke(key::Enter, false);
        pump();
        EXPECT_EQ(g_layoutInput.inputMode, 0);
        EXPECT_EQ(typeList().GetCurSel(), target);
        EXPECT_EQ(page->layoutWindow() != before, moves) << "the type already shown keeps its picture";
        if (moves) {
            EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_ENABLE_PASS, FALSE}}));
        }
    }
    EXPECT_TRUE(shown(key::Enter)) << "no key is marked while the list is steered";
    EXPECT_TRUE(shown(key::Up));
}

TEST_F(KeyboardLayoutTestTest, LibrariesThatCannotBeShownAreReportedAndTheTestStaysUsable) {
    addNonModule(L"Broken.kbl");
    kvo::ScopedLogCapture capture(1);
    openPage();
    EXPECT_TRUE(hostEvent(capture, "264")) << "LayoutLoadFailed for the file that is no module";
    EXPECT_TRUE(hostEvent(capture, "495")) << "InvalidLayout: nothing to show";
    EXPECT_EQ(typeList().GetCount(), 0);
    EXPECT_EQ(page->layoutWindow(), nullptr);
    requests();
    EXPECT_EQ(keystroke(key::A, false), 1);
    keystroke(key::P, false, true);
    EXPECT_EQ(requests(), (std::vector<Request>{{WM_TEST_PASS, 0}}));
}
