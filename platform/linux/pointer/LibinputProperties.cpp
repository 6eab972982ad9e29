#include "LibinputProperties.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr std::size_t kSpeedBytes = 4;
static_assert(sizeof(float) == kSpeedBytes, "the speed travels as a 32-bit float");

} // namespace

bool isSpeedProperty(const DeviceProperty &property, unsigned long floatType)
{
    return property.type == floatType && property.format == kSpeedFormat && property.bytes.size() == kSpeedBytes;
}

bool isProfileProperty(const DeviceProperty &property, unsigned long integerType)
{
    return property.type == integerType && property.format == kProfileFormat
        && property.bytes.size() > kProfileFlatIndex;
}

std::vector<std::uint8_t> speedBytes(double value)
{
    const float item = static_cast<float>(std::clamp(value, -1.0, 1.0));
    std::vector<std::uint8_t> bytes(kSpeedBytes);
    std::memcpy(bytes.data(), &item, kSpeedBytes);
    return bytes;
}

double speedFromBytes(const std::vector<std::uint8_t> &bytes)
{
    float item = 0;
    if (bytes.size() == kSpeedBytes)
        std::memcpy(&item, bytes.data(), kSpeedBytes);
    return item;
}

std::vector<std::uint8_t> profileFlags(std::size_t count, AccelProfile profile)
{
    std::vector<std::uint8_t> flags(std::max(count, kProfileFlatIndex + 1), 0);
    flags[profile == AccelProfile::Flat ? kProfileFlatIndex : kProfileAdaptiveIndex] = 1;
    return flags;
}

AccelProfile profileFromFlags(const std::vector<std::uint8_t> &flags)
{
    if (flags.size() > kProfileFlatIndex && flags[kProfileFlatIndex])
        return AccelProfile::Flat;
    if (!flags.empty() && flags[kProfileAdaptiveIndex])
        return AccelProfile::Adaptive;
    return AccelProfile::Default;
}

} // namespace platform
