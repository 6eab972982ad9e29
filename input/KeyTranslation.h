#pragma once
// What a captured key event stands for: pressed or not, and its HID usage.

#include "InputCapture.h"

#include <cstdint>

namespace input {

// Set-1 scan codes that need a fix-up after the map lookup.
constexpr std::uint8_t kScanScrollLockOrBreak = 0x46;  // extended: Ctrl+Pause (Break)
constexpr std::uint8_t kScanSysReq = 0x54;             // with Alt: Alt+Print Screen
constexpr std::uint8_t kVirtualKeyPause = 0x13;
constexpr std::uint8_t kVirtualKeyPrintScreen = 0x2C;

// Only a key-down message with the action hook code is a press; anything
// else, releases included, counts as a release.
bool isKeyPress(const platform::RawKeyEvent &event);

// The virtual-key code of the event after the Break and Alt+Print Screen
// fix-ups; 0 when the key has none. Scan codes above 255 count as 0.
std::uint8_t virtualKeyForEvent(const platform::RawKeyEvent &event);

// The HID usage of the event, 0 when it has none.
std::uint8_t usageForEvent(const platform::RawKeyEvent &event);

} // namespace input
