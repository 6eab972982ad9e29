#include "PointerSettings.h"

#include <windows.h>

namespace platform {

namespace {

// Write to the user profile and announce the change to every window.
constexpr UINT kUpdateAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
static_assert(kUpdateAndBroadcast == 3, "set calls persist and broadcast");
static_assert(SPI_SETMOUSESPEED == 0x71 && SPI_SETDOUBLECLICKTIME == 0x20 && SPI_SETWHEELSCROLLLINES == 0x69
                  && SPI_GETMOUSE == 0x03 && SPI_SETMOUSE == 0x04,
              "pointer setting actions");

// SPI_GETMOUSE / SPI_SETMOUSE: first threshold, second threshold, acceleration.
constexpr int kMouseValueCount = 3;
constexpr int kAccelerationIndex = 2;

bool readMouseValues(int (&values)[kMouseValueCount])
{
    return SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0) != 0;
}

} // namespace

bool setPointerSpeed(std::uint32_t speed)
{
    // The speed travels in the pointer argument itself, not behind it.
    PVOID value = reinterpret_cast<PVOID>(static_cast<UINT_PTR>(speed));
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, value, kUpdateAndBroadcast) != 0;
}

bool setDoubleClickTime(std::uint32_t milliseconds)
{
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, kUpdateAndBroadcast) != 0;
}

bool setWheelScrollLines(std::uint32_t lines)
{
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, kUpdateAndBroadcast) != 0;
}

bool setPointerAcceleration(bool enabled)
{
    int values[kMouseValueCount] = {};
    if (!readMouseValues(values))
        return false;
    values[kAccelerationIndex] = enabled ? 1 : 0;
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values, kUpdateAndBroadcast) != 0;
}

bool getPointerAcceleration(bool *enabled)
{
    if (!enabled)
        return false;
    int values[kMouseValueCount] = {};
    if (!readMouseValues(values))
        return false;
    *enabled = values[kAccelerationIndex] != 0;
    return true;
}

} // namespace platform
