#pragma once
// The pages' levels as the values the system's pointer settings take, and
// back. Profiles keep the level, never the converted value, so a profile
// written on one desktop means the same on another.
//
//   dial level            0    1    2    3  ...  10   11
//   pointer speed         1    2    4    6  ...  20   20
//   libinput speed      -0.9 -0.8 -0.6 -0.4 ... 1.0  1.0  (GNOME, KDE, X11)
//   double-click (ms)   900  830  760  690  ... 200  130
//
// Wheel lines are 1 to 100 lines per notch, or 1000 for one screen (Qt
// applications scroll at most a page per notch, so the count itself does).
// Anything else in a profile is refused, not clamped: the system keeps what
// it had. Reading a system value back gives the nearest level.

#include <cstdint>
#include <optional>

constexpr std::uint32_t kDialLevelMax = 11;
constexpr std::uint32_t kPointerSpeedPerLevel = 2;
constexpr std::uint32_t kDoubleClickSlowestMs = 900;
constexpr std::uint32_t kDoubleClickStepMs = 70;
constexpr std::uint32_t kScrollLinesMax = 100;
constexpr std::uint32_t kScrollOneScreen = 1000;

// None for a level past the dial's end.
std::optional<std::uint32_t> pointerSpeedFromLevel(std::uint32_t level);
std::optional<std::uint32_t> doubleClickTimeFromLevel(std::uint32_t level);
bool scrollLinesValid(std::uint32_t lines);
