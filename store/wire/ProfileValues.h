#pragma once
// What a profile's stored values mean for the mouse, read once: every value
// that is missing or cannot be read becomes its factory value, never the one
// another profile left behind. The whole-profile send puts these on the wire
// and the pages show them, so both agree on a damaged file; reading never
// writes the file.

#include "PanelValues.h"

#include <array>

class DeviceSettings;
class ProfileGunAxis;

struct ProfileValues {
    std::array<int, panel::kButtonCount * panel::kButtonBytes> matrix{};
    std::array<int, panel::kStageCount> dpi{};
    std::array<int, panel::kStageCount> stageFlags{};
    std::array<int, 3 * panel::kStageCount> stageColours{};
    panel::Lighting lighting;
    int reportRate = 0;
    int axisX = 0;
    int axisY = 0;
};

// The current profile's values.
ProfileValues readProfileValues(DeviceSettings &device, const ProfileGunAxis &axis);
