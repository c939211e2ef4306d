#pragma once
// A keyboard for tests: a 256-entry key state, a chosen layout, and
// programmable answers for the translation calls (unprogrammed, a letter
// names itself in lower case and other keys have no character). A
// synthesised key event is queued, as keybd_event queues it; it acts on the
// key state only when it is delivered (keyboard/testing/FakeHookSystem.h),
// and then the way Windows does: a new press of a key flips its toggle bit.
#include <algorithm>
#include <cwctype>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "../KeyboardInput.h"

namespace kvorkeyboard::testing {

class FakeKeyboardInput : public KeyboardInput {
public:
    struct KeyEvent {
        BYTE virtualKey, scanCode;
        DWORD flags;
        bool operator==(const KeyEvent& o) const {
            return std::tie(virtualKey, scanCode, flags) == std::tie(o.virtualKey, o.scanCode, o.flags);
        }
    };
    using ToUnicodeAnswer = std::function<int(UINT vk, UINT scan, const BYTE* state, wchar_t* buffer, int size, HKL layout)>;

    BYTE keys[256] = {};  // bit 7 down, bit 0 toggled, as GetKeyboardState reports them
    HKL layout = layoutFor(0x0409);
    std::wstring layoutName = L"00000409";  // empty: GetKeyboardLayoutNameW fails
    bool failGetKeyboardState = false;
    std::vector<KeyEvent> sentEvents;   // every synthesised event, in order
    std::deque<KeyEvent> undelivered;  // sent and not yet delivered, oldest first
    std::vector<std::wstring> loadedLayouts;  // each with " not activated" unless it was
    ToUnicodeAnswer toUnicode;
    std::map<LONG, std::wstring> keyNames;    // GetKeyNameTextW by keystroke word
    std::map<UINT, UINT> mapped;              // MapVirtualKeyW by code, whichever the direction

    static HKL layoutFor(ULONG_PTR language) { return reinterpret_cast<HKL>((language << 16) | language); }
    void press(int vk) { keys[vk & 0xFF] |= 0x80; }
    void release(int vk) { keys[vk & 0xFF] &= 0x7F; }
    void setToggled(int vk, bool on) { keys[vk & 0xFF] = static_cast<BYTE>((keys[vk & 0xFF] & ~1) | (on ? 1 : 0)); }
    // ToUnicodeEx answers `count` and `text` for every key.
    void translateTo(int count, std::wstring text) {
        toUnicode = [count, text](UINT, UINT, const BYTE*, wchar_t* buffer, int size, HKL) {
            return text.copy(buffer, static_cast<size_t>(size)), count;
        };
    }

    SHORT getKeyState(int vk) override {
        return static_cast<SHORT>(((keys[vk & 0xFF] & 0x80) ? 0xFF80 : 0) | (keys[vk & 0xFF] & 1));
    }
    SHORT getAsyncKeyState(int vk) override { return static_cast<SHORT>((keys[vk & 0xFF] & 0x80) ? 0x8000 : 0); }
    bool getKeyboardState(BYTE (&state)[256]) override {
        return !failGetKeyboardState && (std::copy(std::begin(keys), std::end(keys), std::begin(state)), true);
    }
    bool setKeyboardState(BYTE (&state)[256]) override { return std::copy(state, state + 256, keys), true; }
    void sendKeyEvent(BYTE vk, BYTE scanCode, DWORD flags) override {
        sentEvents.push_back({vk, scanCode, flags});
        undelivered.push_back({vk, scanCode, flags});
    }
    // What a delivered event does to the key state.
    void apply(const KeyEvent& e) {
        const bool up = (e.flags & KEYEVENTF_KEYUP) != 0;
        if (!up && !(keys[e.virtualKey] & 0x80)) keys[e.virtualKey] ^= 1;
        up ? release(e.virtualKey) : press(e.virtualKey);
    }
    UINT mapVirtualKey(UINT code, UINT) override { return mapped.count(code) ? mapped[code] : 0; }
    HKL getKeyboardLayout(DWORD) override { return layout; }
    bool getKeyboardLayoutName(wchar_t (&name)[KL_NAMELENGTH]) override {
        return name[layoutName.copy(name, KL_NAMELENGTH - 1)] = 0, !layoutName.empty();
    }
    HKL loadKeyboardLayout(const wchar_t* layoutId, UINT flags) override {
        loadedLayouts.push_back(layoutId + std::wstring(flags == KLF_ACTIVATE ? L"" : L" not activated"));
        return layout;
    }
    int toUnicodeEx(UINT vk, UINT scanCode, const BYTE* state, wchar_t* buffer, int size, UINT, HKL hkl) override {
        if (toUnicode) return toUnicode(vk, scanCode, state, buffer, size, hkl);
        if (vk < 'A' || vk > 'Z') return 0;
        buffer[0] = static_cast<wchar_t>(std::towlower(vk));
        return 1;
    }
    int getKeyNameText(LONG word, wchar_t* buffer, int size) override {
        const std::wstring name = keyNames.count(word) ? keyNames[word].substr(0, size - 1) : L"";
        return buffer[name.copy(buffer, name.size())] = 0, static_cast<int>(name.size());
    }
    DWORD getLastError() override { return 0; }
};

}  // namespace kvorkeyboard::testing
