#include "MacroSlots.h"

#include "Hid_Thread.h"
#include "VariantBytes.h"

MacroSlotBuffer macroSlotBuffer(const QVariantList &macroData)
{
    return bytesFromList<kMacroSlotBufferSize>(macroData);
}

quint8 macroSlotNumber(const QVariant &slot)
{
    return static_cast<quint8>(slot.toUInt() & 0xFF);
}

bool MacroSlots::send(const QVariantList &macroData, const QVariant &slot)
{
    const quint8 number = macroSlotNumber(slot);
    if (number >= kMacroSlotCount || !m_hid)
        return false;
    MacroSlotBuffer buffer = macroSlotBuffer(macroData);
    m_hid->hid_05H_SetMacroKey(number, buffer.data());
    return true;
}
