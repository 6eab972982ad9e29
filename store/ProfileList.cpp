#include "ProfileList.h"

#include "NameLists.h"

#include <QStringList>

namespace {
const char kNewNamePrefix[] = "profile_";
constexpr int kMaxNameSuffix = 12;

bool nameUsed(const QVector<ListedProfile> &entries, const QString &name)
{
    for (const ListedProfile &e : entries)
        if (e.name == name)
            return true;
    return false;
}
} // namespace

QVector<ListedProfile> listedProfiles(const NameLists &names)
{
    QVector<ListedProfile> out;
    bool taken[kListedProfileMax] = {};
    QStringList stored;
    for (const QVariant &v : names.nameList(kProfileNameList))
        stored.append(v.toString());
    for (const QString &entry : withoutNameListSentinel(stored)) {
        if (entry.isEmpty() || entry == QLatin1String(kNameListSentinel) || !entry.back().isDigit())
            continue;
        const int index = entry.back().digitValue();
        if (index < 0 || index >= kListedProfileMax || taken[index])
            continue;
        taken[index] = true;
        out.append({entry.chopped(1), index});
    }
    return out;
}

ListedProfile listedProfile(const NameLists &names, int index)
{
    for (const ListedProfile &e : listedProfiles(names))
        if (e.index == index)
            return e;
    return {};
}

QString newProfileName(const QVector<ListedProfile> &entries)
{
    for (int k = 0; k < kMaxNameSuffix; ++k) {
        const QString name = QLatin1String(kNewNamePrefix) + QString::number(k);
        if (!nameUsed(entries, name))
            return name;
    }
    return QString();
}

ListedProfile listProfile(NameLists &names, int index)
{
    QVector<ListedProfile> entries = listedProfiles(names);
    for (const ListedProfile &e : entries)
        if (e.index == index)
            return e;
    const QString name = newProfileName(entries);
    if (index < 0 || index >= kListedProfileMax || entries.size() >= kListedProfileMax || name.isEmpty())
        return {};
    entries.append({name, index});
    QStringList stored;
    for (const ListedProfile &e : entries)
        stored.append(e.name + QString::number(e.index));
    names.storeNameList(kProfileNameList, stored);
    return entries.last();
}
