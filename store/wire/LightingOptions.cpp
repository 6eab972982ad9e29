#include "LightingOptions.h"

#include <algorithm>
#include <array>

namespace {

// Brightness runs 0-50; speed runs from 10 (slowest) down by up to 9.
constexpr int kBrightnessMax = 50;
constexpr int kSpeedSlowest = 10;
constexpr int kSpeedSpan = 9;

// The option a brightness effect leaves fixed, and the one a speed effect does.
constexpr quint8 kBrightnessEffectOption2 = 6;
constexpr quint8 kSpeedEffectOption1 = kBrightnessMax;

// Effect 13 steps through fixed brightnesses, one per level.
constexpr std::array<quint8, kLightingLevelMax + 1> kStepBrightness = {0, 20, 30, 40, 50};

} // namespace

LightingOptions lightingOptions(quint8 effect, quint8 level)
{
    const int l = std::min(level, kLightingLevelMax);
    LightingOptions options;
    if (effect == kEffectSteady) {
        options.option1 = static_cast<quint8>(l * kBrightnessMax / kLightingLevelMax);
        options.option2 = kBrightnessEffectOption2;
    } else if (effect == kEffectStepBrightness) {
        options.option1 = kStepBrightness[static_cast<std::size_t>(l)];
        options.option2 = kBrightnessEffectOption2;
    } else {
        options.option1 = kSpeedEffectOption1;
        options.option2 = static_cast<quint8>(kSpeedSlowest - l * kSpeedSpan / kLightingLevelMax);
    }
    return options;
}
