// What one handleKeystroke costs in each keyboard handler, with the
// key-information dump off (the normal case) and with level 1 admitted and
// formatted (messages then dropped). Against the fake keyboard it is the
// handler's own cost; against the system keyboard it includes the layout
// and translation calls as this system answers them. Beside each figure, the
// same with what a page adds for the run's keystroke journal: the clock read
// at hook entry, the event decoded and recorded.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "keyboard/HookKeyboardHandler.h"
#include "keyboard/LLHookKeyboardHandler.h"
#include "evidence/RunEvidence.h"
#include "keyboard/testing/FakeHookSystem.h"
#include "kvo/Logging.h"

using namespace kvorkeyboard;

namespace {

constexpr int kRounds = 20000;

// A letter pressed, repeated and released, then keypad Enter tapped: names
// by character and by text, and every branch of the down/up state.
struct LowLevelFeed {
    bool journal = false;
    KBDLLHOOKSTRUCT events[5] = {{'A', 0x1E, 0, 1, 0}, {'A', 0x1E, 0, 2, 0}, {'A', 0x1E, LLKHF_UP, 3, 0},
                                 {VK_RETURN, 0x1C, LLKHF_EXTENDED, 4, 0},
                                 {VK_RETURN, 0x1C, LLKHF_EXTENDED | LLKHF_UP, 5, 0}};
    WPARAM messages[5] = {WM_KEYDOWN, WM_KEYDOWN, WM_KEYUP, WM_KEYDOWN, WM_KEYUP};
    int operator()(LLHookKeyboardHandler& handler, int i) {
        const Ticks entered = journal ? hookEntered() : 0;
        const LPARAM event = reinterpret_cast<LPARAM>(&events[i % 5]);
        const int action = handler.handleKeystroke(messages[i % 5], event);
        if (journal)
            journalKeystroke(lowLevelHookEvent(messages[i % 5], event), entered, [&] { return handler.getKeyText(); });
        return action;
    }
};

struct MessageFeed {
    bool journal = false;
    WPARAM keys[5] = {'A', 'A', 'A', VK_RETURN, VK_RETURN};
    LPARAM words[5] = {0x001E0001, 0x401E0001, static_cast<LPARAM>(0xC01E0001u), 0x011C0001,
                       static_cast<LPARAM>(0xC11C0001u)};
    int operator()(HookKeyboardHandler& handler, int i) {
        const Ticks entered = journal ? hookEntered() : 0;
        const int action = handler.handleKeystroke(keys[i % 5], words[i % 5]);
        if (journal)
            journalKeystroke(messageHookEvent(words[i % 5]), entered, [&] { return handler.currentKey().name; });
        return action;
    }
};

template <typename Handler, typename Feed>
double nanosecondsPerEvent(Handler& handler, Feed feed) {
    int sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) sink += feed(handler, i);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (sink == 0) std::printf("(no events)\n");
    return std::chrono::duration<double, std::nano>(elapsed).count() / kRounds;
}

template <typename Handler, typename Feed>
void measure(const char* name, KeyboardInput& keyboard, const char* keyboardName) {
    for (int priority : {3, 1}) {
        kvo::LogFactory::setPriority(priority);
        Handler handler(keyboard);
        nanosecondsPerEvent(handler, Feed{});  // warm-up
        const double alone = nanosecondsPerEvent(handler, Feed{});
        RunEvidence evidence;  // the journal is kept only during a run
        nanosecondsPerEvent(handler, Feed{true});
        const double journaled = nanosecondsPerEvent(handler, Feed{true});
        std::printf("%-22s %-16s level 1 %-9s %9.1f ns per event, %9.1f with the journal (%+.1f)\n", name,
                    keyboardName, priority == 1 ? "admitted" : "off", alone, journaled, journaled - alone);
    }
}

}  // namespace

int main() {
    kvo::LogFactory::setSink(nullptr);
    testing::ScopedHookEnvironment fakeHooks;  // no real filter hooks while measuring
    testing::FakeKeyboardInput fake;
    fake.toUnicode = [](UINT, UINT, const BYTE*, wchar_t* buffer, int, HKL) {
        buffer[0] = L'a';
        return 1;
    };
    measure<LLHookKeyboardHandler, LowLevelFeed>("LLHookKeyboardHandler", fake, "fake keyboard");
    measure<HookKeyboardHandler, MessageFeed>("HookKeyboardHandler", fake, "fake keyboard");
    measure<LLHookKeyboardHandler, LowLevelFeed>("LLHookKeyboardHandler", systemKeyboard(), "system keyboard");
    measure<HookKeyboardHandler, MessageFeed>("HookKeyboardHandler", systemKeyboard(), "system keyboard");
    return 0;
}
