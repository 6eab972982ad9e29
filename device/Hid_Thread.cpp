#include "Hid_Thread.h"

#include "DeviceScan.h"

Hid_Thread::Hid_Thread(QObject *parent)
    : QThread(parent)
{
}

Hid_Thread::~Hid_Thread() = default;

void Hid_Thread::scanDevices(const QVector<CatalogueRecord> &records)
{
    DeviceScan scan = scanCatalogue(records);
    m_devices = std::move(scan.devices);
    if (scan.foundIndex >= 0)
        m_currentDevice = static_cast<uint32_t>(scan.foundIndex);
}
