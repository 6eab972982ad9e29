#pragma once
// The system pointer speed (1-20, 10 unscaled) on libinput's scale (-1 to 1,
// 0 unscaled), which GNOME, KWin and the X libinput driver share:
//
//   speed    1     2    ...  10   ...  19    20
//   libinput -0.9  -0.8 ...  0.0  ...  0.9   1.0
//
// Back to speed rounds to the nearest step, so a value a desktop set by hand
// shows as the closest speed.

#include "PointerSettings.h"

#include <cmath>
#include <cstdint>

namespace platform {

constexpr double kLibinputSpeedPerStep = 0.1;

inline double libinputSpeedFromPointerSpeed(std::uint32_t speed)
{
    const double steps = static_cast<double>(speed) - static_cast<double>(kPointerSpeedNeutral);
    return std::fmax(-1.0, std::fmin(1.0, steps * kLibinputSpeedPerStep));
}

inline std::uint32_t pointerSpeedFromLibinputSpeed(double value)
{
    const double speed = std::round(value / kLibinputSpeedPerStep) + kPointerSpeedNeutral;
    if (!(speed >= kPointerSpeedMin))  // also a NaN
        return kPointerSpeedMin;
    return speed > kPointerSpeedMax ? kPointerSpeedMax : static_cast<std::uint32_t>(speed);
}

} // namespace platform
