#include "DeviceScan.h"

#include <hidapi.h>

DeviceScan scanCatalogue(const QVector<CatalogueRecord> &records)
{
    DeviceScan scan;
    for (int n = 0; n < records.size(); ++n) {
        const CatalogueRecord &r = records.at(n);
        DeviceEntry entry;
        entry.index = n;
        entry.productName = r.productName;
        entry.type = r.type;
        entry.reportLength = r.reportLength;
        scan.devices.append(entry);

        // Each candidate keeps the latest matching record until both are set,
        // so with two identical mice the paths may belong to different units.
        QString cmdCandidate;
        QString eventCandidate;
        hid_device_info *list = hid_enumerate(r.vid, r.pid);
        for (const hid_device_info *d = list; d; d = d->next) {
            if (d->usage_page == r.usagePage && d->usage == r.usage)
                cmdCandidate = QString::fromLocal8Bit(d->path ? d->path : "");
            if (d->usage_page == r.usagePage2 && d->usage == r.usage2)
                eventCandidate = QString::fromLocal8Bit(d->path ? d->path : "");
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
