#pragma once
// The device link: device list, current device and (as it grows) the report
// transport and the mouse's command set. Derives from QThread as the pages
// expect, but runs in its caller's thread and is never started.

#include "Catalogue.h"
#include "DeviceEntry.h"

#include <QThread>
#include <QVector>

class Hid_Thread : public QThread
{
    Q_OBJECT
public:
    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    // Replaces the device list from the catalogue; a found mouse becomes current.
    void scanDevices(const QVector<CatalogueRecord> &records);

    const QVector<DeviceEntry> &devices() const { return m_devices; }
    uint32_t currentDevice() const { return m_currentDevice; }

    // Scrambling of short reports, as the catalogue's common/isEncode says.
    void setScrambling(bool on) { m_scrambling = on; }
    bool scrambling() const { return m_scrambling; }

private:
    QVector<DeviceEntry> m_devices;
    uint32_t m_currentDevice = 1;
    bool m_scrambling = false;
};
