#include "NameLists.h"

#include "NameListRebuild.h"
#include "SettingsGuard.h"
#include "SettingsLists.h"
#include "SettingsPaths.h"

#include <QDebug>
#include <QDir>

const char kNameListSentinel[] = "loadercorwel";

namespace {
constexpr int kSentinelListSize = 2;

const char *const kNameListKeys[] = {
    "macro/macroName",
    "gun/gunName",
    "profile/profileName",
    "gun/selectGun",
};
constexpr int kNameListTypes = int(sizeof kNameListKeys / sizeof kNameListKeys[0]);
} // namespace

QString nameListKey(int type)
{
    return type >= 0 && type < kNameListTypes ? QString::fromLatin1(kNameListKeys[type]) : QString();
}

QStringList withNameListSentinel(const QStringList &names)
{
    if (names.size() != 1)
        return names;
    return {names.first(), QString::fromLatin1(kNameListSentinel)};
}

QStringList withoutNameListSentinel(const QStringList &names)
{
    if (names.size() == kSentinelListSize && names.at(1) == QLatin1String(kNameListSentinel))
        return {names.first()};
    return names;
}

int nameListType(const QVariant &type)
{
    bool ok = false;
    const int value = type.toInt(&ok);
    return ok && !nameListKey(value).isEmpty() ? value : -1;
}

NameLists::NameLists(const QString &settingDir)
    : m_settingDir(settingDir)
    , m_path(QDir(settingDir).filePath(QString::fromLatin1(kNameListFileName)))
{
}

std::unique_ptr<QSettings> NameLists::open() const
{
    // Defaults in place of a damaged file would empty the window's lists
    // while the macro and profile files are all there.
    if (!setAsideDamagedFile(m_path).isEmpty())
        rebuildNameLists(m_settingDir, QDir::cleanPath(m_settingDir + QLatin1String("/../") + QLatin1String(kMacroFolderName)));
    return openSettingsFile(m_path);
}

QVariantList NameLists::nameList(const QVariant &type) const
{
    const int t = nameListType(type);
    if (t < 0)
        return {};
    const auto names = open();
    return readSettingsList(*names, nameListKey(t));
}

bool NameLists::storeNameList(const QVariant &type, const QStringList &names)
{
    const int t = nameListType(type);
    if (t < 0) {
        qDebug().noquote() << "Name list type not known:" << type.toString();
        return false;
    }
    const auto file = open();
    if (names.isEmpty())
        file->remove(nameListKey(t));
    else
        file->setValue(nameListKey(t), withNameListSentinel(names));
    return true;
}
