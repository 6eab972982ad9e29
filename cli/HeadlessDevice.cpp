#include "HeadlessDevice.h"

#include "AppConfig.h"
#include "Catalogue.h"
#include "Hid_Thread.h"
#include "SecrecyCodeStore.h"

namespace cli {

bool findMouse(Hid_Thread &hid, const QSettings &appConfig)
{
    const Catalogue catalogue = readCatalogue(QString::fromLatin1(kCatalogueResource), appProductNames(appConfig));
    hid.scanDevices(catalogue.records);
    hid.setScrambling(catalogue.isEncode);
    const QVector<DeviceEntry> devices = hid.devices();
    const uint32_t current = hid.currentDevice();
    if (current >= uint32_t(devices.size()) || devices.at(int(current)).cmdPath.isEmpty())
        return false;
    setCurrentSecrecyCodeFromText(appSecrecyCode(appConfig, int(current)));
    hid.releaseHid();
    return true;
}

} // namespace cli
