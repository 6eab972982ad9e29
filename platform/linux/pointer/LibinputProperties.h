#pragma once
// The X libinput driver's device properties for pointer speed and
// acceleration profile, as the bytes XInput2 carries (format 32 items are
// 32-bit, format 8 items one byte each).
//
//   "libinput Accel Speed"            FLOAT, format 32, 1 item, -1 to 1
//   "libinput Accel Profile Enabled"  INTEGER, format 8, one flag per profile
//                                     the driver knows: adaptive, flat, then
//                                     newer ones (custom); exactly one is set

#include "PointerBackend.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

constexpr const char *kLibinputSpeedProperty = "libinput Accel Speed";
constexpr const char *kLibinputProfileProperty = "libinput Accel Profile Enabled";
constexpr const char *kFloatTypeName = "FLOAT";
constexpr int kSpeedFormat = 32;
constexpr int kProfileFormat = 8;
constexpr std::size_t kProfileAdaptiveIndex = 0;
constexpr std::size_t kProfileFlatIndex = 1;

// A property as read: its type atom, format and raw items.
struct DeviceProperty {
    unsigned long type = 0;
    int format = 0;
    std::vector<std::uint8_t> bytes;

    std::size_t count() const { return format > 0 ? bytes.size() / (static_cast<std::size_t>(format) / 8) : 0; }
};

bool isSpeedProperty(const DeviceProperty &property, unsigned long floatType);
bool isProfileProperty(const DeviceProperty &property, unsigned long integerType);

// The one item of a speed property; the value is clamped to -1..1.
std::vector<std::uint8_t> speedBytes(double value);
double speedFromBytes(const std::vector<std::uint8_t> &bytes);

// Flags of the same length as the driver's with only `profile` set; Default
// stands for adaptive, libinput's own choice for mice.
std::vector<std::uint8_t> profileFlags(std::size_t count, AccelProfile profile);
// Flat or adaptive by the flag set; Default for a profile we do not know.
AccelProfile profileFromFlags(const std::vector<std::uint8_t> &flags);

} // namespace platform
