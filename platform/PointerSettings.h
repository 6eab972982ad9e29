#pragma once
// The system's pointer settings: pointer speed, double-click time, wheel
// scroll lines and pointer acceleration. Values are in the system's units:
// pointer speed kPointerSpeedMin-kPointerSpeedMax with kPointerSpeedNeutral
// unscaled, milliseconds, lines. Levels and their conversion live with the
// caller. Call from the GUI thread.
//
// Every setter returns true only when the system holds the new value
// afterwards; false means nothing was changed (no display or desktop service,
// value refused or out of range, setting not kept by the running desktop).
// A getter returns false and leaves its argument untouched when the value
// cannot be read. Nothing is retried.
//
// Linux: the back end is chosen at each call from the session's environment
// (XDG_CURRENT_DESKTOP, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY) and what
// answers: GNOME's settings schemas, KDE's config files with KWin's input
// devices, the libinput properties of an X server's pointers. The first change
// of each setting keeps the value the desktop had before, so that
// restoreOriginalPointerSettings can put it back.

#include <cstdint>

namespace platform {

constexpr std::uint32_t kPointerSpeedMin = 1;
constexpr std::uint32_t kPointerSpeedNeutral = 10;
constexpr std::uint32_t kPointerSpeedMax = 20;

bool setPointerSpeed(std::uint32_t speed);
bool getPointerSpeed(std::uint32_t *speed);

bool setDoubleClickTime(std::uint32_t milliseconds);
bool getDoubleClickTime(std::uint32_t *milliseconds);

bool setWheelScrollLines(std::uint32_t lines);
bool getWheelScrollLines(std::uint32_t *lines);

// Turns acceleration on or off and leaves its thresholds as they were.
bool setPointerAcceleration(bool enabled);
bool getPointerAcceleration(bool *enabled);

// Puts back the values the desktop had before this program first changed
// them, and forgets them once all are back. True when nothing is left to
// restore; false where the platform keeps no originals (Windows) or one could
// not be applied (it stays kept for the next try).
bool restoreOriginalPointerSettings();

} // namespace platform
