#include "PointerLevels.h"

#include "PointerSettings.h"

#include <algorithm>

std::optional<std::uint32_t> pointerSpeedFromLevel(std::uint32_t level)
{
    if (level > kDialLevelMax)
        return std::nullopt;
    return std::clamp(level * kPointerSpeedPerLevel, platform::kPointerSpeedMin, platform::kPointerSpeedMax);
}

std::optional<std::uint32_t> doubleClickTimeFromLevel(std::uint32_t level)
{
    if (level > kDialLevelMax)
        return std::nullopt;
    return kDoubleClickSlowestMs - kDoubleClickStepMs * level;
}

bool scrollLinesValid(std::uint32_t lines)
{
    return (lines >= 1 && lines <= kScrollLinesMax) || lines == kScrollOneScreen;
}

std::uint32_t levelFromPointerSpeed(std::uint32_t speed)
{
    return std::min(speed / kPointerSpeedPerLevel, kDialLevelMax);
}

std::uint32_t levelFromDoubleClickTime(std::uint32_t milliseconds)
{
    if (milliseconds >= kDoubleClickSlowestMs)
        return 0;
    const std::uint32_t steps = (kDoubleClickSlowestMs - milliseconds + kDoubleClickStepMs / 2) / kDoubleClickStepMs;
    return std::min(steps, kDialLevelMax);
}
