#pragma once
// Mouse button messages -> button codes of the shared key tables.

#include <cstdint>

namespace input {

constexpr std::uint8_t kButtonLeft = 0xF0;
constexpr std::uint8_t kButtonRight = 0xF1;
constexpr std::uint8_t kButtonMiddle = 0xF2;

struct ButtonChange {
    std::uint8_t button = 0;  // 0: the message is not a reported button change
    bool pressed = false;
};

// Presses and releases of the left, right and middle buttons; anything else
// (moves, the wheel, double clicks, extra buttons) gives button 0.
ButtonChange buttonForMessage(std::uint32_t message);

} // namespace input
