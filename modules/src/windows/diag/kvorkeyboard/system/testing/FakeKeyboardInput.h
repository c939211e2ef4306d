#pragma once
// A keyboard for tests: a 256-entry key state that synthesised key events
// act on the way Windows does (a press of a lock key flips its toggle bit),
// a chosen layout, and programmable answers for the translation calls.
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../KeyboardInput.h"

namespace kvorkeyboard::testing {

class FakeKeyboardInput : public KeyboardInput {
public:
    struct KeyEvent {
        BYTE virtualKey;
        BYTE scanCode;
        DWORD flags;
        bool operator==(const KeyEvent& other) const {
            return virtualKey == other.virtualKey && scanCode == other.scanCode && flags == other.flags;
        }
    };
    using ToUnicodeAnswer = std::function<int(UINT virtualKey, UINT scanCode, const BYTE* keyState,
                                              wchar_t* buffer, int bufferSize, HKL layout)>;

    // Key state: bit 7 down, bit 0 toggled, as GetKeyboardState reports it.
    BYTE keys[256] = {};
    HKL layout = reinterpret_cast<HKL>(static_cast<ULONG_PTR>(0x04090409));
    std::wstring layoutName = L"00000409";
    bool failGetKeyboardState = false;
    bool failLayoutName = false;
    HKL loadResult = reinterpret_cast<HKL>(static_cast<ULONG_PTR>(0x04090409));
    DWORD lastError = 0;
    std::vector<KeyEvent> sentEvents;
    std::vector<std::wstring> loadedLayouts;
    ToUnicodeAnswer toUnicode;                       // unset: 0 (no character)
    std::map<LONG, std::wstring> keyNames;           // GetKeyNameTextW by keystroke word
    std::map<UINT, UINT> scanCodes;                  // MapVirtualKeyW(vk, 0)
    std::map<UINT, UINT> sidedKeys;                  // MapVirtualKeyW(scan, MAPVK_VSC_TO_VK_EX)

    void press(int virtualKey) { keys[virtualKey & 0xFF] |= 0x80; }
    void release(int virtualKey) { keys[virtualKey & 0xFF] &= 0x7F; }
    void setToggled(int virtualKey, bool on) {
        keys[virtualKey & 0xFF] = static_cast<BYTE>(on ? (keys[virtualKey & 0xFF] | 1) : (keys[virtualKey & 0xFF] & ~1));
    }
    bool isToggled(int virtualKey) const { return (keys[virtualKey & 0xFF] & 1) != 0; }

    SHORT getKeyState(int virtualKey) override {
        BYTE k = keys[virtualKey & 0xFF];
        return static_cast<SHORT>(((k & 0x80) ? 0xFF80 : 0) | (k & 1));
    }
    SHORT getAsyncKeyState(int virtualKey) override {
        return static_cast<SHORT>((keys[virtualKey & 0xFF] & 0x80) ? 0x8000 : 0);
    }
    bool getKeyboardState(BYTE (&state)[256]) override {
        if (failGetKeyboardState) return false;
        std::copy(std::begin(keys), std::end(keys), std::begin(state));
        return true;
    }
    bool setKeyboardState(BYTE (&state)[256]) override {
        std::copy(std::begin(state), std::end(state), std::begin(keys));
        return true;
    }
    void sendKeyEvent(BYTE virtualKey, BYTE scanCode, DWORD flags) override {
        sentEvents.push_back({virtualKey, scanCode, flags});
        if (flags & KEYEVENTF_KEYUP) {
            release(virtualKey);
        } else {
            if (!(keys[virtualKey] & 0x80)) keys[virtualKey] ^= 1;  // a new press flips the toggle
            press(virtualKey);
        }
    }
    UINT mapVirtualKey(UINT code, UINT mapType) override {
        const std::map<UINT, UINT>* table = mapType == 0 ? &scanCodes : mapType == MAPVK_VSC_TO_VK_EX ? &sidedKeys : nullptr;
        if (!table) return 0;
        auto it = table->find(code);
        return it == table->end() ? 0 : it->second;
    }
    HKL getKeyboardLayout(DWORD) override { return layout; }
    bool getKeyboardLayoutName(wchar_t (&name)[KL_NAMELENGTH]) override {
        if (failLayoutName) return false;
        layoutName.copy(name, KL_NAMELENGTH - 1);
        name[std::min<size_t>(layoutName.size(), KL_NAMELENGTH - 1)] = 0;
        return true;
    }
    HKL loadKeyboardLayout(const wchar_t* layoutId, UINT) override {
        loadedLayouts.emplace_back(layoutId);
        return loadResult;
    }
    int toUnicodeEx(UINT virtualKey, UINT scanCode, const BYTE* keyState, wchar_t* buffer, int bufferSize,
                    UINT, HKL hkl) override {
        return toUnicode ? toUnicode(virtualKey, scanCode, keyState, buffer, bufferSize, hkl) : 0;
    }
    int getKeyNameText(LONG keystrokeWord, wchar_t* buffer, int bufferSize) override {
        auto it = keyNames.find(keystrokeWord);
        if (it == keyNames.end() || bufferSize <= 0) return 0;
        int n = static_cast<int>(std::min<size_t>(it->second.size(), static_cast<size_t>(bufferSize - 1)));
        it->second.copy(buffer, static_cast<size_t>(n));
        buffer[n] = 0;
        return n;
    }
    DWORD getLastError() override { return lastError; }
};

}  // namespace kvorkeyboard::testing
