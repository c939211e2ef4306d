// A keyboard test page on its own, for real keys typed on the X display:
// it installs the hook of the given kind, hands each keystroke to that
// kind's handler as the real test pages do, and prints, one line a
// keystroke, what the handler made of it ("action scan name"), until
// Escape is released.
//
//   KeyCaptureProbe lowlevel|message
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>

#include "page/KeyboardTest.h"
#include "keyboard/HookKeyboardHandler.h"
#include "keyboard/LLHookKeyboardHandler.h"

using namespace kvorkeyboard;

namespace {

constexpr UINT IDD_KEY_CAPTURE = 100;
constexpr unsigned kEscapeScanCode = 1;

void print(int action, unsigned scanCode, const kvo::String& name) {
    std::printf("%d %u %s\n", action, scanCode, name.toUtf8().c_str());
    std::fflush(stdout);
    if (scanCode == kEscapeScanCode && action == KEY_RELEASED) ::PostQuitMessage(0);
}

// The simple test's kind (every key of the desktop, swallowed as it would)
// or the layout test's (keys on their way to this thread's focused window).
// Each handler exists only for its kind: the message hook's keeps filter hooks.
class CCapturePage : public CKeyboardTest {
public:
    explicit CCapturePage(bool lowLevel) : CKeyboardTest(IDD_KEY_CAPTURE, nullptr) {
        lowLevel ? (void)m_lowLevel.emplace() : (void)m_message.emplace();
    }
    ~CCapturePage() override { removeKeyboardHook(); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        installKeyboardHook(m_message.has_value());
        return TRUE;
    }
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override {
        if (m_lowLevel) {
            const int action = m_lowLevel->handleKeystroke(wParam, lParam);
            print(action, m_lowLevel->getScanCode(), m_lowLevel->getKeyText());
            return m_lowLevel->shouldBlockKey();
        }
        const int action = m_message->handleKeystroke(wParam, lParam);
        print(action, m_message->getScanCode(), m_message->currentKey().name);
        return 1;
    }
    kvo::String getInstructions() override { return {}; }
    kvo::String getSubInstruction1() override { return {}; }
    kvo::String getSubInstruction2() override { return {}; }

private:
    std::optional<LLHookKeyboardHandler> m_lowLevel;
    std::optional<HookKeyboardHandler> m_message;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool lowLevel = argc == 2 && std::wcscmp(argv[1], L"lowlevel") == 0;
    if (argc != 2 || (!lowLevel && std::wcscmp(argv[1], L"message") != 0)) {
        std::fprintf(stderr, "usage: KeyCaptureProbe lowlevel|message\n");
        return 2;
    }
    CCapturePage page(lowLevel);
    if (!page.Create(IDD_KEY_CAPTURE, nullptr)) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    // Low-level hooks are called from inside message retrieval.
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    page.DestroyWindow();
    return 0;
}
