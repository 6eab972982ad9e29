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

// The stored value as a list; a plain (non-list) value gives an empty list.
QVariantList settingsList(const QVariant &value);

// Every element converted, as many as the list holds.
QVariantList toUIntVariantList(const QVariantList &list);

// Readers on a settings handle; a missing key is an empty list.
QVariantList readSettingsList(const QSettings &settings, const QString &key);
