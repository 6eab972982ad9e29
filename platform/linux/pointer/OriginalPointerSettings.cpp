#include "OriginalPointerSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

const char *const kAppFolder = "mouse-utility";
const char *const kFileName = "original-pointer-settings.ini";

// One setting as text in the desktop's own units, both ways.
struct Access {
    const char *key;
    std::function<bool(PointerBackend &, QString *)> read;
    std::function<bool(PointerBackend &, const QString &)> write;
};

Access intAccess(const char *key, bool (PointerBackend::*get)(int *), bool (PointerBackend::*set)(int))
{
    return {key,
            [get](PointerBackend &b, QString *text) {
                int value = 0;
                const bool ok = (b.*get)(&value);
                *text = QString::number(value);
                return ok;
            },
            [set](PointerBackend &b, const QString &text) {
                bool ok = false;
                const int value = text.toInt(&ok);
                return ok && (b.*set)(value);
            }};
}

Access access(PointerSetting setting)
{
    switch (setting) {
    case PointerSetting::Speed:
        return {"speed",
                [](PointerBackend &b, QString *text) {
                    double value = 0;
                    const bool ok = b.speed(&value);
                    *text = QString::number(value, 'g', 17);
                    return ok;
                },
                [](PointerBackend &b, const QString &text) {
                    bool ok = false;
                    const double value = text.toDouble(&ok);
                    return ok && b.setSpeed(value);
                }};
    case PointerSetting::AccelProfile:
        return {"accel-profile",
                [](PointerBackend &b, QString *text) {
                    AccelProfile profile = AccelProfile::Default;
                    if (!b.accelProfile(&profile))
                        return false;
                    *text = QLatin1String(accelProfileName(profile));
                    return true;
                },
                [](PointerBackend &b, const QString &text) {
                    AccelProfile profile = AccelProfile::Default;
                    return accelProfileFromName(text.toLatin1().constData(), &profile) && b.setAccelProfile(profile);
                }};
    case PointerSetting::DoubleClick:
        return intAccess("double-click", &PointerBackend::doubleClickMs, &PointerBackend::setDoubleClickMs);
    case PointerSetting::WheelLines:
        break;
    }
    return intAccess("wheel-lines", &PointerBackend::wheelLines, &PointerBackend::setWheelLines);
}

QString filePath()
{
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return config.filePath(QLatin1String(kAppFolder) + QLatin1Char('/') + QLatin1String(kFileName));
}

QString keyOf(const PointerBackend &backend, const Access &a)
{
    return QLatin1String(backend.name()) + QLatin1Char('/') + QLatin1String(a.key);
}

} // namespace

bool changeKeepingOriginal(PointerBackend &backend, PointerSetting setting, const std::function<bool()> &change)
{
    const Access a = access(setting);
    QSettings kept(filePath(), QSettings::IniFormat);
    QString original;
    const bool keep = !kept.contains(keyOf(backend, a)) && a.read(backend, &original);
    if (!change())
        return false;
    if (keep)
        kept.setValue(keyOf(backend, a), original);
    return true;
}

bool restoreOriginals(PointerBackend &backend)
{
    QSettings kept(filePath(), QSettings::IniFormat);
    bool allBack = true;
    for (PointerSetting setting : {PointerSetting::Speed, PointerSetting::AccelProfile, PointerSetting::DoubleClick,
                                   PointerSetting::WheelLines}) {
        const Access a = access(setting);
        const QString key = keyOf(backend, a);
        if (!kept.contains(key))
            continue;
        if (a.write(backend, kept.value(key).toString()))
            kept.remove(key);
        else
            allBack = false;
    }
    kept.sync();
    return allBack && kept.status() == QSettings::NoError;
}

} // namespace platform
