#pragma once
// The pages' dial levels (0-11) as the values the system's pointer settings
// take. Profiles keep the level, never the converted value.
//
//   level                 0    1    2    3  ...  10   11
//   pointer speed         1    2    4    6  ...  20   20
//   double-click (ms)   900  830  760  690  ... 200  130

#include <cstdint>

constexpr std::uint32_t kPointerSpeedMin = 1;
constexpr std::uint32_t kPointerSpeedMax = 20;  // the system rejects anything faster
constexpr std::uint32_t kDoubleClickSlowestMs = 900;
constexpr std::uint32_t kDoubleClickStepMs = 70;
constexpr std::uint32_t kDialLevelMax = 11;

// Twice the level, at least kPointerSpeedMin and at most kPointerSpeedMax.
std::uint32_t pointerSpeedFromLevel(std::uint32_t level);

// 900 ms less 70 ms per level; levels past the dial's end count as its end,
// so the time never runs below 130 ms or wraps around.
std::uint32_t doubleClickTimeFromLevel(std::uint32_t level);
