#pragma once
// Set-1 scan code (with the extended flag) -> virtual-key code.

#include <cstdint>

namespace input {

// Map key of a scan code: scan code x 256 + extended flag (0 or 1).
constexpr std::uint16_t scanCodeKey(std::uint8_t scanCode, bool extended)
{
    return static_cast<std::uint16_t>(scanCode * 256u + (extended ? 1u : 0u));
}

// Number of entries without and with the extended flag.
constexpr int kScanCodeEntriesPlain = 86;
constexpr int kScanCodeEntriesExtended = 19;

// The virtual-key code of a map key, 0 when the map has no entry for it.
std::uint8_t virtualKeyForScanCode(std::uint16_t key);

} // namespace input
