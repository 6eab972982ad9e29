#pragma once
// Reading list values of the settings files. A list is stored as "a, b, c" and
// reads back as a list of strings; a list of one text element is stored as a
// plain value and reads back as text, which converts to an empty list (the
// toolkit's rule; the name lists work around it with a sentinel entry).
// Numbers are converted element by element as the toolkit converts text:
// anything that is not a number gives 0.

#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVector>

// The stored value as a list; a plain (non-list) value gives an empty list.
QVariantList settingsList(const QVariant &value);

// Element by element, exactly `count` elements: a shorter list counts its
// missing elements as 0, a longer one is cut.
QVector<uint> toUIntList(const QVariantList &list, int count);
QVector<int> toIntList(const QVariantList &list, int count);

// Every element converted, as many as the list holds.
QVariantList toUIntVariantList(const QVariantList &list);

// Element i as a number, 0 when the list is too short.
uint listUInt(const QVariantList &list, int i);
int listInt(const QVariantList &list, int i);

// Readers on a settings handle; a missing key is an empty list.
QVariantList readSettingsList(const QSettings &settings, const QString &key);
QVector<uint> readUIntList(const QSettings &settings, const QString &key, int count);
QVector<int> readIntList(const QSettings &settings, const QString &key, int count);
