#include "DeviceScan.h"

#include <hidapi.h>

namespace {

DeviceEntry entryFor(const CatalogueRecord &r, int index)
{
    DeviceEntry entry;
    entry.index = index;
    entry.productName = r.productName;
    entry.type = r.type;
    entry.reportLength = r.reportLength;
    return entry;
}

bool isCommandInterface(const CatalogueRecord &r, const hid_device_info *d)
{
    return d->usage_page == r.usagePage && d->usage == r.usage;
}

bool isEventInterface(const CatalogueRecord &r, const hid_device_info *d)
{
    return d->usage_page == r.usagePage2 && d->usage == r.usage2;
}

QString pathOf(const hid_device_info *d)
{
    return QString::fromLocal8Bit(d->path ? d->path : "");
}

} // namespace

QVector<DeviceEntry> attachedMice(const QVector<CatalogueRecord> &records)
{
    QVector<DeviceEntry> mice;
    for (int n = 0; n < records.size(); ++n) {
        const CatalogueRecord &r = records.at(n);
        QStringList commands, events;
        hid_device_info *list = hid_enumerate(r.vid, r.pid);
        for (const hid_device_info *d = list; d; d = d->next) {
            if (isCommandInterface(r, d))
                commands << pathOf(d);
            if (isEventInterface(r, d))
                events << pathOf(d);
        }
        hid_free_enumeration(list);
        for (int unit = 0; unit < commands.size(); ++unit) {
            DeviceEntry entry = entryFor(r, n);
            entry.cmdPath = commands.at(unit);
            entry.eventPath = events.value(unit);
            mice.append(entry);
        }
    }
    return mice;
}

DeviceScan scanCatalogue(const QVector<CatalogueRecord> &records)
{
    DeviceScan scan;
    for (int n = 0; n < records.size(); ++n) {
        const CatalogueRecord &r = records.at(n);
        scan.devices.append(entryFor(r, n));

        // Each candidate keeps the latest matching record until both are set,
        // so with two identical mice the paths may belong to different units.
        QString cmdCandidate;
        QString eventCandidate;
        hid_device_info *list = hid_enumerate(r.vid, r.pid);
        for (const hid_device_info *d = list; d; d = d->next) {
            if (isCommandInterface(r, d))
                cmdCandidate = pathOf(d);
            if (isEventInterface(r, d))
                eventCandidate = pathOf(d);
            if (!cmdCandidate.isEmpty() && !eventCandidate.isEmpty()) {
                scan.devices.last().cmdPath = cmdCandidate;
                scan.devices.last().eventPath = eventCandidate;
                scan.foundIndex = n;
                break;
            }
        }
        hid_free_enumeration(list);
        if (scan.foundIndex == n)
            break;
    }
    return scan;
}
