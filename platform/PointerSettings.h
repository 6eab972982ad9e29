#pragma once
// The system's pointer settings: pointer speed, double-click time, wheel
// scroll lines and pointer acceleration. Values are in the system's units
// (pointer speed 1-20 with 10 unscaled, milliseconds, lines); levels and
// their conversion live with the caller. Call from the GUI thread.
//
// Every function returns true only when the system holds the new value
// afterwards; false means nothing could be applied (no display, value
// refused, setting not available on this platform). Nothing is retried.
//
// Linux: acceleration goes to the X server's pointer control of the display
// named by DISPLAY (on = the server's usual factor 2/1, off = 1/1; the
// threshold is left as it is). The X pointer control has no equivalent of a
// plain speed factor, so setPointerSpeed reports false. Double-click time and
// wheel lines apply to this program's own toolkit settings and need its
// application object.

#include <cstdint>

namespace platform {

bool setPointerSpeed(std::uint32_t speed);
bool setDoubleClickTime(std::uint32_t milliseconds);
bool setWheelScrollLines(std::uint32_t lines);

// Turns acceleration on or off and leaves its thresholds as they were.
bool setPointerAcceleration(bool enabled);
// On success *enabled tells whether acceleration is on; on failure it is untouched.
bool getPointerAcceleration(bool *enabled);

} // namespace platform
