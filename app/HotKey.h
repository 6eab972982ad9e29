#pragma once
// Shift+Alt+F12, followed from the captured key stream: brings the hidden
// window back. Control keys are not tracked, so Ctrl+Shift+Alt+F12 works too.

#include <cstdint>

class HotKey
{
public:
    // Feeds one captured key change (HID usage, pressed). True when this
    // press completes the hot key.
    bool feed(uint8_t usage, bool down);

private:
    bool m_shift = false;
    bool m_alt = false;
};
