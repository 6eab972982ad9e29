#pragma once
// Virtual-key code -> HID keyboard usage (usage page 0x07).

#include <cstdint>

namespace input {

constexpr int kUsageEntries = 121;

// The usage of a virtual-key code, 0 when the map has no entry for it.
std::uint8_t usageForVirtualKey(std::uint8_t virtualKey);

} // namespace input
