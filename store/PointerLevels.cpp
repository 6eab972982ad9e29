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
