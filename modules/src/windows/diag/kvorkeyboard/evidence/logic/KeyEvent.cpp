#include "KeyEvent.h"

namespace kvorkeyboard {
namespace {

// The numbers Windows gives them; spelled out here to keep <windows.h> away.
constexpr std::uint32_t kKeyDown = 0x100, kKeyUp = 0x101, kSysKeyDown = 0x104, kSysKeyUp = 0x105;
constexpr std::uint32_t kLowLevelExtended = 0x01;
constexpr std::uint32_t kWordExtendedScan = 0x1FF0000, kWordPreviousState = 1u << 30, kWordReleasing = 1u << 31;

}  // namespace

std::optional<KeyEvent> lowLevelKeyEvent(std::uint32_t message, std::uint32_t scanCode, std::uint32_t flags) {
    const bool down = message == kKeyDown || message == kSysKeyDown;
    if (!down && message != kKeyUp && message != kSysKeyUp) return std::nullopt;
    const std::uint32_t key = scanCode + ((flags & kLowLevelExtended) != 0 ? 0x100 : 0);
    if (scanCode == 0 || scanCode >= 0x100 || key >= kKeyIdentifiers) return std::nullopt;
    return KeyEvent{static_cast<std::uint16_t>(key), down, false};
}

std::optional<KeyEvent> keystrokeWordEvent(std::uint32_t word) {
    const auto key = static_cast<std::uint16_t>((word & kWordExtendedScan) >> 16);
    if ((key & 0xFF) == 0) return std::nullopt;
    return KeyEvent{key, (word & kWordReleasing) == 0, (word & kWordPreviousState) != 0};
}

}  // namespace kvorkeyboard
