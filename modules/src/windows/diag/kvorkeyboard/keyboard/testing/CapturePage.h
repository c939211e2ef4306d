#pragma once
// A test page that hands each keystroke to the handler of its hook kind and
// reports what the handler made of it: the shape of the real test pages,
// for tests and probes that drive the real hooks.
#include <functional>
#include <ostream>
#include <string>

#include "dialogs/KeyboardTest.h"
#include "keyboard/HookKeyboardHandler.h"
#include "keyboard/LLHookKeyboardHandler.h"

namespace kvorkeyboard::testing {

struct CapturedKey {
    int action;
    unsigned scanCode;  // as the handler reports it
    std::string name;
    bool operator==(const CapturedKey& o) const {
        return action == o.action && scanCode == o.scanCode && name == o.name;
    }
};
inline std::ostream& operator<<(std::ostream& out, const CapturedKey& k) {
    return out << k.action << " " << k.scanCode << " " << k.name;
}

class CCapturePage : public CKeyboardTest {
public:
    std::function<void(const CapturedKey&)> onKey;

    ~CCapturePage() override { removeKeyboardHook(); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        installKeyboardHook(m_threadLocal);
        return TRUE;
    }
    kvo::String getInstructions() override { return {}; }
    kvo::String getSubInstruction1() override { return {}; }
    kvo::String getSubInstruction2() override { return {}; }

protected:
    CCapturePage(UINT nIDTemplate, bool threadLocal) : CKeyboardTest(nIDTemplate, nullptr), m_threadLocal(threadLocal) {}
    void report(const CapturedKey& key) {
        if (onKey) onKey(key);
    }

private:
    bool m_threadLocal;
};

// The simple test's kind: every key of the desktop, swallowed as it would.
class CLowLevelCapturePage : public CCapturePage {
public:
    explicit CLowLevelCapturePage(UINT nIDTemplate) : CCapturePage(nIDTemplate, false) {}
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override {
        const int action = handler.handleKeystroke(wParam, lParam);
        report({action, handler.getScanCode(), handler.getKeyText().toUtf8()});
        return handler.shouldBlockKey();
    }
    LLHookKeyboardHandler handler;
};

// The layout test's kind: keys on their way to this thread's focused window.
class CThreadCapturePage : public CCapturePage {
public:
    explicit CThreadCapturePage(UINT nIDTemplate) : CCapturePage(nIDTemplate, true) {}
    LRESULT keyboardHookHandler(WPARAM wParam, LPARAM lParam) override {
        const int action = handler.handleKeystroke(wParam, lParam);
        report({action, handler.getScanCode(), handler.currentKey().name.toUtf8()});
        return 1;
    }
    HookKeyboardHandler handler;
};

// Runs the thread's messages for a while: low-level hooks are called from
// inside message retrieval, so keys only arrive while this runs.
inline void pumpMessagesFor(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

}  // namespace kvorkeyboard::testing
