#include "NameLists.h"

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
    : m_path(QDir(settingDir).filePath(QString::fromLatin1(kNameListFileName)))
{
}

QVariantList NameLists::nameList(const QVariant &type) const
{
    const int t = nameListType(type);
    if (t < 0)
        return {};
    const auto names = openSettingsFile(m_path);
    return readSettingsList(*names, nameListKey(t));
}

bool NameLists::storeNameList(const QVariant &type, const QStringList &names)
{
    const int t = nameListType(type);
    if (t < 0) {
        qDebug().noquote() << "Name list type not known:" << type.toString();
        return false;
    }
    const auto file = openSettingsFile(m_path);
    if (names.isEmpty())
        file->remove(nameListKey(t));
    else
        file->setValue(nameListKey(t), withNameListSentinel(names));
    return true;
}

QVector<ListedProfile> listedProfiles(const NameLists &names)
{
    QVector<ListedProfile> out;
    bool taken[kListedProfileCount] = {};
    for (const QVariant &v : names.nameList(kProfileNameList)) {
        const QString entry = v.toString();
        if (entry.isEmpty() || entry == QLatin1String(kNameListSentinel) || !entry.back().isDigit())
            continue;
        const int index = entry.back().digitValue();
        if (index >= kListedProfileCount || taken[index])
            continue;
        taken[index] = true;
        out.append({entry.chopped(1), index});
    }
    return out;
}
