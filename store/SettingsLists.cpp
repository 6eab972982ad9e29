#include "SettingsLists.h"

QVariantList settingsList(const QVariant &value)
{
    return value.toList();
}

uint listUInt(const QVariantList &list, int i)
{
    return i >= 0 && i < list.size() ? list.at(i).toUInt() : 0u;
}

int listInt(const QVariantList &list, int i)
{
    return i >= 0 && i < list.size() ? list.at(i).toInt() : 0;
}

QVector<uint> toUIntList(const QVariantList &list, int count)
{
    QVector<uint> result(qMax(count, 0));
    for (int i = 0; i < result.size(); ++i)
        result[i] = listUInt(list, i);
    return result;
}

QVector<int> toIntList(const QVariantList &list, int count)
{
    QVector<int> result(qMax(count, 0));
    for (int i = 0; i < result.size(); ++i)
        result[i] = listInt(list, i);
    return result;
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

QVector<uint> readUIntList(const QSettings &settings, const QString &key, int count)
{
    return toUIntList(readSettingsList(settings, key), count);
}

QVector<int> readIntList(const QSettings &settings, const QString &key, int count)
{
    return toIntList(readSettingsList(settings, key), count);
}
