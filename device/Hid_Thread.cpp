#include "Hid_Thread.h"

#include "DeviceScan.h"

Hid_Thread::Hid_Thread(QObject *parent)
    : QThread(parent)
{
}

Hid_Thread::~Hid_Thread()
{
    // Commands already called still reach the mouse.
    m_commands.stop();
    stopEventListener();
    waitEventListener();
    closeCmdHandle();
    if (m_eventHandle) {
        hid_close(m_eventHandle);
        m_eventHandle = nullptr;
    }
}

void Hid_Thread::scanDevices(const QVector<CatalogueRecord> &records)
{
    DeviceScan scan = scanCatalogue(records);
    {
        std::lock_guard<std::mutex> lock(m_devicesLock);
        m_devices = std::move(scan.devices);
    }
    if (scan.foundIndex >= 0)
        m_currentDevice = static_cast<uint32_t>(scan.foundIndex);
}

QVector<DeviceEntry> Hid_Thread::devices() const
{
    std::lock_guard<std::mutex> lock(m_devicesLock);
    return m_devices;
}

QString Hid_Thread::cmdPath(uint32_t did) const
{
    std::lock_guard<std::mutex> lock(m_devicesLock);
    return did < static_cast<uint32_t>(m_devices.size()) ? m_devices.at(static_cast<int>(did)).cmdPath : QString();
}

QString Hid_Thread::eventPath(uint32_t did) const
{
    std::lock_guard<std::mutex> lock(m_devicesLock);
    return did < static_cast<uint32_t>(m_devices.size()) ? m_devices.at(static_cast<int>(did)).eventPath : QString();
}

void Hid_Thread::clearCmdPath(uint32_t did)
{
    std::lock_guard<std::mutex> lock(m_devicesLock);
    if (did < static_cast<uint32_t>(m_devices.size()))
        m_devices[static_cast<int>(did)].cmdPath.clear();
}

void Hid_Thread::clearEventPath(uint32_t did)
{
    std::lock_guard<std::mutex> lock(m_devicesLock);
    if (did < static_cast<uint32_t>(m_devices.size()))
        m_devices[static_cast<int>(did)].eventPath.clear();
}

uint32_t Hid_Thread::usableReportLength(uint32_t did) const
{
    std::lock_guard<std::mutex> lock(m_devicesLock);
    if (did >= static_cast<uint32_t>(m_devices.size()))
        return 0;
    const uint32_t length = m_devices.at(static_cast<int>(did)).reportLength;
    return length <= hidproto::kMaxReportLength ? length : 0;
}
