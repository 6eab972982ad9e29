#pragma once
// The two option bytes of a lighting effect, derived from the effect and the
// page's level (0-4). The level is a brightness for the steady effect (0) and
// for effect 13, and a speed for every other effect.

#include <QtGlobal>

constexpr quint8 kEffectSteady = 0;
constexpr quint8 kEffectStepBrightness = 13;
constexpr quint8 kLightingLevelMax = 4;  // the pages offer levels 0-4

struct LightingOptions {
    quint8 option1 = 0;
    quint8 option2 = 0;
};

// Levels above kLightingLevelMax count as kLightingLevelMax: the formulas
// wrap past one byte for larger levels.
LightingOptions lightingOptions(quint8 effect, quint8 level);
