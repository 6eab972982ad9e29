#pragma once
// The device commands of the gun and axis pages, taking the pages' values.

#include <QVariant>

#include <array>

class Hid_Thread;

// Gun data as the mouse takes it: 0xF0, run times, X, Y, 0.
constexpr int kGunDataSize = 5;
using GunData = std::array<quint8, kGunDataSize>;

// A chosen gun's firing pattern: fired by the left button (0xF0), `times`
// shots, the X and Y deviations (-127 .. 127) as two's-complement bytes.
GunData gunFiringData(int times, int x, int y);
// The 64 key-matrix values sent with a chosen gun: the left button fires it
// every `period` ms (at least 10), `times` shots; the other buttons keep
// fixed functions.
QVariantList gunFiringMatrix(int period, int times);

class GunAxisCommands
{
public:
    explicit GunAxisCommands(Hid_Thread *device = nullptr) : m_hid(device) {}
    void setDevice(Hid_Thread *device) { m_hid = device; }

    // The low bytes of both values, taken as unsigned numbers.
    void sendXYSensitive(const QVariant &x, const QVariant &y);
    void sendGunData(const GunData &data);

private:
    Hid_Thread *m_hid;
};
