#include "InputCaptureCodes.h"

#include "InputCapture.h"

#include <array>

namespace platform {
namespace {

// Evdev numbers the main block of the keyboard like set-1 scan codes, from
// Esc (1) to the keypad decimal point (83) and from the ISO key (86) to F12 (88).
constexpr unsigned kEvdevBasicFirst = 1;
constexpr unsigned kEvdevBasicLast = 83;
constexpr unsigned kEvdevIsoKey = 86;
constexpr unsigned kEvdevF12 = 88;

struct EvdevEntry {
    unsigned evdev;
    std::uint8_t scanCode;
    bool extended;
};

// Keys whose evdev number differs from their scan code; the table wins over
// the basic block.
constexpr std::array<EvdevEntry, 33> kEvdevKeys = {{
    {54, 0x36, true},    // right Shift: the low-level hook reports it extended
    {69, 0x45, true},    // Num Lock
    {96, 0x1C, true},    // keypad Enter
    {97, 0x1D, true},    // right Ctrl
    {98, 0x35, true},    // keypad /
    {99, 0x37, true},    // Print Screen
    {100, 0x38, true},   // right Alt
    {102, 0x47, true},   // Home
    {103, 0x48, true},   // Up
    {104, 0x49, true},   // Page Up
    {105, 0x4B, true},   // Left
    {106, 0x4D, true},   // Right
    {107, 0x4F, true},   // End
    {108, 0x50, true},   // Down
    {109, 0x51, true},   // Page Down
    {110, 0x52, true},   // Insert
    {111, 0x53, true},   // Delete
    {119, 0x45, false},  // Pause
    {125, 0x5B, true},   // left Windows
    {126, 0x5C, true},   // right Windows
    {127, 0x5D, true},   // Menu
    // F13 to F24
    {183, 0x64, false}, {184, 0x65, false}, {185, 0x66, false}, {186, 0x67, false},
    {187, 0x68, false}, {188, 0x69, false}, {189, 0x6A, false}, {190, 0x6B, false},
    {191, 0x6C, false}, {192, 0x6D, false}, {193, 0x6E, false}, {194, 0x76, false},
}};

struct ButtonEntry {
    unsigned button;
    std::uint32_t down;
    std::uint32_t up;
};

constexpr std::array<ButtonEntry, 3> kXButtons = {{
    {1, kMsgLButtonDown, kMsgLButtonUp},
    {2, kMsgMButtonDown, kMsgMButtonUp},
    {3, kMsgRButtonDown, kMsgRButtonUp},
}};

} // namespace

ScanCode scanCodeForEvdevKey(unsigned evdevKey)
{
    for (const EvdevEntry &e : kEvdevKeys)
        if (e.evdev == evdevKey)
            return {e.scanCode, e.extended};
    const bool basic = (evdevKey >= kEvdevBasicFirst && evdevKey <= kEvdevBasicLast)
        || (evdevKey >= kEvdevIsoKey && evdevKey <= kEvdevF12);
    if (basic)
        return {static_cast<std::uint8_t>(evdevKey), false};
    return {};
}

bool keyEventForXKeyCode(unsigned xkbKeyCode, bool pressed, RawKeyEvent &event)
{
    if (xkbKeyCode < kXKeyCodeOffset)
        return false;
    const ScanCode scan = scanCodeForEvdevKey(xkbKeyCode - kXKeyCodeOffset);
    if (scan.code == 0)
        return false;
    event = RawKeyEvent();
    event.message = pressed ? kMsgKeyDown : kMsgKeyUp;
    event.scanCode = scan.code;
    event.flags = scan.extended ? kKeyFlagExtended : 0;
    return true;
}

std::uint32_t messageForXButton(unsigned button, bool pressed)
{
    for (const ButtonEntry &e : kXButtons)
        if (e.button == button)
            return pressed ? e.down : e.up;
    return 0;
}

} // namespace platform
