#pragma once
// Sending a macro to one of the mouse's twelve macro slots. The pages give
// the macro's bytes as a list of numbers; the mouse always takes the full
// slot of 192 bytes, zeros after the macro.

#include "HidProtocol.h"

#include <QVariant>
#include <QVariantList>

#include <array>

class Hid_Thread;

constexpr int kMacroSlotCount = hidproto::kMacroSlotCount;  // slots 0 .. 11
constexpr int kMacroSlotBufferSize = hidproto::kMacroSize;

using MacroSlotBuffer = std::array<quint8, kMacroSlotBufferSize>;

// Byte i is the low 8 bits of element i; elements past the buffer are
// dropped, missing ones are zero.
MacroSlotBuffer macroSlotBuffer(const QVariantList &macroData);

// The slot as the pages pass it: the low byte of its unsigned value.
quint8 macroSlotNumber(const QVariant &slot);

class MacroSlots
{
public:
    explicit MacroSlots(Hid_Thread *device = nullptr) : m_hid(device) {}
    void setDevice(Hid_Thread *device) { m_hid = device; }

    // Sends the data to the slot; a slot above 11 sends nothing. Returns
    // whether a command went out (the mouse's answer is not known here).
    bool send(const QVariantList &macroData, const QVariant &slot);

private:
    Hid_Thread *m_hid;
};
