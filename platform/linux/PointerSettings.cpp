#include "PointerSettings.h"

#include "pointer/OriginalPointerSettings.h"
#include "pointer/PointerBackend.h"
#include "pointer/PointerScale.h"

#include <limits>

// The interface's units on the chosen desktop back end. Each call chooses
// anew, so a desktop service that starts or stops later is followed.

namespace platform {

namespace {

constexpr std::uint32_t kIntMax = static_cast<std::uint32_t>(std::numeric_limits<int>::max());

bool change(PointerSetting setting, const std::function<bool(PointerBackend &)> &apply)
{
    const std::unique_ptr<PointerBackend> backend = choosePointerBackend();
    return changeKeepingOriginal(*backend, setting, [&] { return apply(*backend); });
}

bool changePositive(PointerSetting setting, std::uint32_t value, bool (PointerBackend::*set)(int))
{
    if (value == 0 || value > kIntMax)
        return false;
    return change(setting, [&](PointerBackend &b) { return (b.*set)(static_cast<int>(value)); });
}

template <typename T, typename Read>
bool readValue(T *out, Read read)
{
    const std::unique_ptr<PointerBackend> backend = choosePointerBackend();
    return out && read(*backend, out);
}

bool readPositive(std::uint32_t *out, bool (PointerBackend::*read)(int *))
{
    return readValue(out, [read](PointerBackend &b, std::uint32_t *value) {
        int stored = 0;
        if (!(b.*read)(&stored) || stored <= 0)
            return false;
        *value = static_cast<std::uint32_t>(stored);
        return true;
    });
}

} // namespace

bool setPointerSpeed(std::uint32_t speed)
{
    if (speed < kPointerSpeedMin || speed > kPointerSpeedMax)
        return false;
    return change(PointerSetting::Speed,
                  [speed](PointerBackend &b) { return b.setSpeed(libinputSpeedFromPointerSpeed(speed)); });
}

bool getPointerSpeed(std::uint32_t *speed)
{
    return readValue(speed, [](PointerBackend &b, std::uint32_t *out) {
        double value = 0;
        if (!b.speed(&value))
            return false;
        *out = pointerSpeedFromLibinputSpeed(value);
        return true;
    });
}

bool setDoubleClickTime(std::uint32_t milliseconds)
{
    return changePositive(PointerSetting::DoubleClick, milliseconds, &PointerBackend::setDoubleClickMs);
}

bool getDoubleClickTime(std::uint32_t *milliseconds)
{
    return readPositive(milliseconds, &PointerBackend::doubleClickMs);
}

bool setWheelScrollLines(std::uint32_t lines)
{
    return changePositive(PointerSetting::WheelLines, lines, &PointerBackend::setWheelLines);
}

bool getWheelScrollLines(std::uint32_t *lines)
{
    return readPositive(lines, &PointerBackend::wheelLines);
}

bool setPointerAcceleration(bool enabled)
{
    return change(PointerSetting::AccelProfile, [enabled](PointerBackend &b) {
        return b.setAccelProfile(enabled ? AccelProfile::Adaptive : AccelProfile::Flat);
    });
}

bool getPointerAcceleration(bool *enabled)
{
    return readValue(enabled, [](PointerBackend &b, bool *out) {
        AccelProfile profile = AccelProfile::Default;
        if (!b.accelProfile(&profile))
            return false;
        *out = profile != AccelProfile::Flat;
        return true;
    });
}

bool restoreOriginalPointerSettings()
{
    const std::unique_ptr<PointerBackend> backend = choosePointerBackend();
    return restoreOriginals(*backend);
}

} // namespace platform
