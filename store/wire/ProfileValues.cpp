#include "ProfileValues.h"

#include "DeviceSettings.h"
#include "ProfileGunAxis.h"

#include <cmath>

ProfileValues readProfileValues(DeviceSettings &device, const ProfileGunAxis &axis)
{
    ProfileValues v;
    for (int k = 0; k < panel::kButtonCount; ++k) {
        const auto definition = panel::buttonDefinition(k, device.keyDefine(k));
        for (int b = 0; b < panel::kButtonBytes; ++b)
            v.matrix[size_t(k * panel::kButtonBytes + b)] = definition[size_t(b)];
    }

    const QVariantList storedDpi = device.dpiSet();
    for (int i = 0; i < panel::kStageCount; ++i) {
        const auto dpi = i < storedDpi.size() ? panel::validDpi(storedDpi.at(i)) : std::nullopt;
        v.dpi[size_t(i)] = dpi.value_or(panel::kDefaultDpi.at(size_t(i)));
    }

    const QVariantList storedFlags = device.dpiSelect();
    bool anyEnabled = false;
    for (int i = 0; i < panel::kStageCount; ++i) {
        int flag = panel::kDefaultStageFlags.at(size_t(i));
        if (i < storedFlags.size()) {
            const double n = panel::number(storedFlags.at(i));
            if (!std::isnan(n))
                flag = n != 0 ? 1 : 0;
        }
        anyEnabled = anyEnabled || flag;
        v.stageFlags[size_t(i)] = flag;
    }
    if (!anyEnabled)
        v.stageFlags[0] = 1;

    const QVariantList storedColours = device.storedStageColour(panel::kStageColourTable);
    const bool coloursComplete = storedColours.size() >= int(v.stageColours.size());
    for (size_t i = 0; i < v.stageColours.size(); ++i) {
        const int factory = panel::kDefaultStageColours.at(i);
        v.stageColours[i] = coloursComplete ? panel::byteOr(storedColours.at(int(i)), factory) : factory;
    }

    v.lighting = panel::lightingFrom(device.storedLedEffect());

    v.reportRate = panel::validReportRate(device.reportRate());
    v.axisX = panel::validAxisLevel(axis.xySensitive(0));
    v.axisY = panel::validAxisLevel(axis.xySensitive(1));
    return v;
}
