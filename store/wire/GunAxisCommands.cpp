#include "GunAxisCommands.h"

#include "Hid_Thread.h"

namespace {
quint8 lowByte(const QVariant &value)
{
    return static_cast<quint8>(value.toUInt() & 0xFF);
}
} // namespace

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
