// The frame with the real simple page after a few keystrokes, run by the
// host with the module's own catalogs in English and German: no control may
// overlap another, stick out of its group or window, or cut its text.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <sstream>
#include <string>
#include <vector>

#include "afx/Gdi.h"
#include "HostRun.h"
#include "chooser/InteractiveTestDlg.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "keypress/testing/ScreenInk.h"
#include "res/InteractiveTestDlgRes.h"
#include "simple/SimpleKeyboardTest.h"

using namespace kvorkeyboard;

namespace {

std::vector<std::string> g_problems;

struct Control {
    HWND window;
    int id;
    CRect place;  // in the dialog's client coordinates
    bool groupBox;
    bool edit;
};

std::vector<Control> visibleControls(HWND dialog) {
    std::vector<Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE)) continue;
        CRect place;
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&place), 2);
        wchar_t className[32] = L"";
        GetClassNameW(child, className, 32);
        const bool groupBox = _wcsicmp(className, L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX;
        controls.push_back({child, GetDlgCtrlID(child), place, groupBox, _wcsicmp(className, L"Edit") == 0});
    }
    return controls;
}

// How wide the control's text is in its own font; 0 for no text.
int textWidth(HWND control) {
    wchar_t text[512] = L"";
    const int length = GetWindowTextW(control, text, 512);
    if (length == 0) return 0;
    const afx::ScopedWindowDC dc(control);
    const afx::ScopedSelectObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text, length, &size);
    return size.cx;
}

std::vector<std::string> layoutProblems(HWND dialog) {
    std::vector<std::string> problems;
    const auto controls = visibleControls(dialog);
    CRect client;
    GetClientRect(dialog, &client);
    auto say = [&](const std::string& what, int id, int other = 0) {
        std::ostringstream text;
        text << what << " " << id;
        if (other) text << " / " << other;
        problems.push_back(text.str());
    };
    for (const Control& c : controls) {
        CRect inside;
        if (!IntersectRect(&inside, &c.place, &client) || !EqualRect(&inside, &c.place)) say("outside its window:", c.id);
        // A group box's caption sits between two frame corners.
        const int room = c.place.Width() - (c.groupBox ? 16 : 0);
        if (!c.edit && textWidth(c.window) > room) say("text cut:", c.id);
        for (const Control& other : controls) {
            if (other.window == c.window || c.groupBox) continue;
            CRect overlap;
            if (!IntersectRect(&overlap, &c.place, &other.place)) continue;
            if (other.groupBox) {
                if (!EqualRect(&overlap, &c.place)) say("sticks out of its group:", c.id, other.id);
            } else if (c.id < other.id) {
                say("overlaps:", c.id, other.id);
            }
        }
    }
    return problems;
}

// tools/screenshot-simple-test.sh photographs the window from the X side
// (Wine draws dialog text straight to X, where BitBlt does not see it) and
// asks for this much time, in milliseconds, with KVO_SCREENSHOT_HOLD_MS.
void holdForScreenshot() {
    wchar_t hold[16] = L"";
    if (!GetEnvironmentVariableW(L"KVO_SCREENSHOT_HOLD_MS", hold, 16)) return;
    const DWORD until = GetTickCount() + static_cast<DWORD>(_wtoi(hold));
    MSG msg;
    while (GetTickCount() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
}

// Stands in for the simple test's run function: shows the frame as the
// operator would see it after a few keys and records what is wrong with it.
vemo5::TestResult checkSimpleTestFrame(const vemo5::DiagDevice&) {
    afx::GdiplusSession gdiplus;
    CInteractiveTestDlg frame(nullptr, 1261, false);
    if (!frame.Create(IDD_INTERACTIVE_TEST)) return vemo5::TestResult::INTERNALERROR();
    const HWND pageWindow = GetWindow(frame.GetDlgItem(IDC_TEST_AREA)->m_hWnd, GW_CHILD);
    auto* page = dynamic_cast<CSimpleKeyboardTest*>(CWnd::FromHandlePermanent(pageWindow));
    if (!page) return vemo5::TestResult::INTERNALERROR();
    const DWORD keys[][3] = {{'K', 0x25, 1000}, {'K', 0x25, 1500}, {'B', 0x30, 2000}, {VK_LSHIFT, 0x2A, 2500}};
    for (const auto& key : keys) {
        KBDLLHOOKSTRUCT down{key[0], key[1], 0, key[2], 0};
        page->keyboardHookHandler(WM_KEYDOWN, reinterpret_cast<LPARAM>(&down));
    }
    KBDLLHOOKSTRUCT up{VK_LSHIFT, 0x2A, LLKHF_UP, 2640, 0};
    page->keyboardHookHandler(WM_KEYUP, reinterpret_cast<LPARAM>(&up));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);

    for (const std::string& problem : layoutProblems(frame.m_hWnd)) g_problems.push_back("frame " + problem);
    for (const std::string& problem : layoutProblems(pageWindow)) g_problems.push_back("page " + problem);
    holdForScreenshot();
    frame.DestroyWindow();
    return vemo5::TestResult::PASS();
}

void checkInLanguage(const char* language) {
    kvorkeyboard::testing::ScopedHookEnvironment env;
    env.keyboard.toUnicode = [](UINT vk, UINT, const BYTE*, wchar_t* buffer, int, HKL) {
        if (vk < 'A' || vk > 'Z') return 0;
        buffer[0] = static_cast<wchar_t>(std::towlower(vk));
        return 1;
    };
    env.keyboard.setToggled(VK_NUMLOCK, true);

    EXPECT_EQ(kvorkeyboard::testing::runSimpleTestInHost(
                  checkSimpleTestFrame, {"--language", language, "--texts", KVORKEYBOARD_TEST_TEXTS_DIR, "--results",
                                         std::string(KVORKEYBOARD_TEST_RESULTS_DIR) + "/" + language, "--param",
                                         std::string("ImagesPath=") + KVORKEYBOARD_TEST_IMAGES_DIR}),
              0)
        << "the check ran and passed";
    EXPECT_EQ(g_problems, std::vector<std::string>{}) << language;
}

}  // namespace

// One language a process: the host runs once.
TEST(FrameLayoutTest, EnglishFrameWithTheSimpleTestHasNothingCutOrOverlapping) { checkInLanguage("en"); }
TEST(FrameLayoutTest, GermanFrameWithTheSimpleTestHasNothingCutOrOverlapping) { checkInLanguage("de"); }
