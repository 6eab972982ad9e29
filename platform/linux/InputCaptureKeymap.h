#pragma once
// The physical key behind a key event of a Wayland keyboard, as an evdev key
// code, which is what the X11 capture reports.
//
// Keyboards send evdev key codes (the XKB key code less 8). Virtual keyboards
// (typing tools, remote desktops) may load a keymap of their own in which the
// key codes are arbitrary numbers: when the event's key code would not give
// its symbol on a standard US keyboard, the key is the one that gives that
// symbol there. So with a layout other than US, the keys whose symbols differ
// from the US ones are taken by their symbol, not by their place.

namespace platform {

// xkbKeyCode: the event's native scan code; keysym: its native virtual key
// (the XKB key symbol, 0 when unknown). Returns 0 when there is no key.
unsigned evdevKeyForEvent(unsigned xkbKeyCode, unsigned keysym);

} // namespace platform
