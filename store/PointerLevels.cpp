#include "PointerLevels.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kPointerSpeedPerLevel = 2;

} // namespace

std::uint32_t pointerSpeedFromLevel(std::uint32_t level)
{
    // Compare before multiplying: a large level must not wrap to a slow speed.
    if (level >= kPointerSpeedMax / kPointerSpeedPerLevel)
        return kPointerSpeedMax;
    return std::max(level * kPointerSpeedPerLevel, kPointerSpeedMin);
}

std::uint32_t doubleClickTimeFromLevel(std::uint32_t level)
{
    return kDoubleClickSlowestMs - kDoubleClickStepMs * std::min(level, kDialLevelMax);
}
