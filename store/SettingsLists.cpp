#include "SettingsLists.h"

QVariantList settingsList(const QVariant &value)
{
    return value.toList();
}

QVariantList toUIntVariantList(const QVariantList &list)
{
    QVariantList result;
    result.reserve(list.size());
    for (const QVariant &element : list)
        result.append(element.toUInt());
    return result;
}

QVariantList readSettingsList(const QSettings &settings, const QString &key)
{
    return settingsList(settings.value(key));
}
