#include "GunAxisCommands.h"

#include "Hid_Thread.h"

#include <algorithm>

namespace {
constexpr quint8 kGunTrigger = 0xF0;  // the left button
constexpr int kMaxDeviation = 127;
constexpr int kMinFiringPeriodMs = 10;
constexpr quint8 kGunKind = 0x0B;     // "fire the gun" in a button definition

// Buttons 2 to 8 and 15 to 16 while a gun is chosen; 9 to 14 stay empty.
const quint8 kGunMatrixMiddle[] = {0x01, 0x00, 0xF1, 0x00, 0x01, 0x00, 0xF2, 0x00, 0x00, 0x00, 0x2E, 0x00,
                                   0x00, 0x00, 0x05, 0x00, 0x07, 0x00, 0x01, 0x00, 0x07, 0x00, 0x02, 0x00,
                                   0x08, 0x00, 0x02, 0x00};
const quint8 kGunMatrixLast[] = {0x04, 0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00};
constexpr int kGunMatrixEmpty = 6 * 4;

quint8 lowByte(const QVariant &value)
{
    return static_cast<quint8>(value.toUInt() & 0xFF);
}

quint8 signedByte(int value)
{
    return static_cast<quint8>(std::clamp(value, -kMaxDeviation, kMaxDeviation) & 0xFF);
}
} // namespace

GunData gunFiringData(int times, int x, int y)
{
    return {kGunTrigger, static_cast<quint8>(std::clamp(times, 0, 0xFF)), signedByte(x), signedByte(y), 0};
}

QVariantList gunFiringMatrix(int period, int times)
{
    QVariantList m{kGunKind, 0, std::clamp(period, kMinFiringPeriodMs, 0xFF), std::clamp(times, 0, 0xFF)};
    for (quint8 b : kGunMatrixMiddle)
        m.append(b);
    for (int i = 0; i < kGunMatrixEmpty; ++i)
        m.append(0);
    for (quint8 b : kGunMatrixLast)
        m.append(b);
    return m;
}

void GunAxisCommands::sendXYSensitive(const QVariant &x, const QVariant &y)
{
    if (m_hid)
        m_hid->hid_0EH_SetXYSensitive(lowByte(x), lowByte(y));
}

void GunAxisCommands::sendGunData(const GunData &data)
{
    if (m_hid)
        m_hid->hid_04H_SetGunData(data[0], data[1], data[2], data[3], data[4]);
}
