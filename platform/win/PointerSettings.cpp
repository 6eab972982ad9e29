#include "PointerSettings.h"

#include <windows.h>

namespace platform {

namespace {

// Write to the user profile and announce the change to every window.
constexpr UINT kUpdateAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
static_assert(kUpdateAndBroadcast == 3, "set calls persist and broadcast");
static_assert(SPI_GETMOUSESPEED == 0x70 && SPI_GETWHEELSCROLLLINES == 0x68, "pointer setting queries");
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

bool getPointerSpeed(std::uint32_t *speed)
{
    UINT value = 0;
    if (!speed || SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &value, 0) == 0)
        return false;
    *speed = value;
    return true;
}

bool setDoubleClickTime(std::uint32_t milliseconds)
{
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, kUpdateAndBroadcast) != 0;
}

bool getDoubleClickTime(std::uint32_t *milliseconds)
{
    if (!milliseconds)
        return false;
    *milliseconds = GetDoubleClickTime();
    return true;
}

bool setWheelScrollLines(std::uint32_t lines)
{
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, kUpdateAndBroadcast) != 0;
}

bool getWheelScrollLines(std::uint32_t *lines)
{
    UINT value = 0;
    if (!lines || SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &value, 0) == 0)
        return false;
    *lines = value;
    return true;
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

bool restoreOriginalPointerSettings()
{
    // Windows keeps its own settings history in the user profile; no copy here.
    return false;
}

} // namespace platform
