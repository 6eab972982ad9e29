#pragma once
// What X input stands for in the terms of the Windows low-level hooks, which
// the key maps are written in. Pure conversions, free of X and Qt.

#include "InputCapture.h"

#include <cstdint>

namespace platform {

// XKB key codes, which X servers and Wayland compositors both report, are
// evdev key codes shifted by this.
constexpr unsigned kXKeyCodeOffset = 8;

struct ScanCode {
    std::uint8_t code = 0;  // set-1 scan code; 0: the key has none
    bool extended = false;
};

// The set-1 scan code and extended flag of an evdev key code.
ScanCode scanCodeForEvdevKey(unsigned evdevKey);

// The key-down or key-up event of the key at a position, given by its XKB
// key code. The position is what counts, never the symbol the layout gives
// it: the mouse replays usages that the host reads with its own layout.
// False when the key has no scan code.
bool keyEventForXKeyCode(unsigned xkbKeyCode, bool pressed, RawKeyEvent &event);

// The Windows button message of an X button press or release; 0 for buttons
// other than 1 (left), 2 (middle) and 3 (right), the wheel included.
std::uint32_t messageForXButton(unsigned button, bool pressed);

} // namespace platform
