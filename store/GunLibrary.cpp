#include "GunLibrary.h"

#include "SettingsGuard.h"
#include "SettingsLists.h"

#include <QDebug>
#include <QFileInfo>

namespace {
const char kGunPrefix[] = "gunData/";

constexpr int kGunNameIndex = 0;
constexpr int kGunFieldsFirst = 1;
constexpr int kGunFieldCount = 5;
constexpr int kGunListSize = kGunFieldsFirst + kGunFieldCount;  // name and fields
constexpr int kOldNameIndex = kGunListSize;                   // seventh element of a rename

QString gunKey(const QString &name)
{
    return QLatin1String(kGunPrefix) + name;
}

QString gunName(const QVariantList &src, int index)
{
    return index < src.size() ? src.at(index).toString() : QString();
}
} // namespace

GunLibrary::GunLibrary(const QString &gunDataPath)
    : m_path(gunDataPath)
{
}

bool GunLibrary::saveGun(const QVariantList &src6)
{
    const QString name = gunName(src6, kGunNameIndex);
    if (!QFileInfo::exists(m_path))
        return false;
    if (src6.size() < kGunListSize || name.isEmpty()) {
        qDebug() << "Gun not stored: a name and five values are needed";
        return false;
    }
    openSettingsFile(m_path)->setValue(gunKey(name), src6.mid(kGunFieldsFirst, kGunFieldCount));
    return true;
}

bool GunLibrary::modifyGun(const QVariant &change, const QVariantList &src6)
{
    if (!QFileInfo::exists(m_path))
        return false;
    bool ok = false;
    const int type = change.toInt(&ok);
    if (!ok)
        return false;
    if (type == kGunDelete) {
        const auto file = openSettingsFile(m_path);
        const QString key = gunKey(gunName(src6, kGunNameIndex));
        // Removing a key that is not there would still rewrite the file.
        if (!file->contains(key))
            return false;
        file->remove(key);
        return true;
    }
    if (type == kGunRename) {
        const QString newName = gunName(src6, kGunNameIndex);
        const QString oldName = gunName(src6, kOldNameIndex);
        if (src6.size() <= kOldNameIndex || newName.isEmpty() || oldName.isEmpty()) {
            qDebug() << "Gun not renamed: a name, five values and the old name are needed";
            return false;
        }
        const auto file = openSettingsFile(m_path);
        file->remove(gunKey(oldName));
        file->setValue(gunKey(newName), src6.mid(kGunFieldsFirst, kGunFieldCount));
        return true;
    }
    return false;
}

QVariantList GunLibrary::gun(const QString &name) const
{
    if (!QFileInfo::exists(m_path))
        return {};
    return readSettingsList(*openSettingsFile(m_path), gunKey(name));
}
