#pragma once
// The names file (name.bin): the lists of macros, guns, profiles and
// selected guns, one key each. A one-name list is stored with a sentinel
// second entry, so that it is written and read back as a list and not as a
// plain value; readers that care drop it.

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVector>

#include <memory>

class QSettings;

extern const char kNameListSentinel[];  // "loadercorwel"

enum NameListType {
    kMacroNameList = 0,     // macro/macroName
    kGunNameList = 1,       // gun/gunName
    kProfileNameList = 2,   // profile/profileName
    kSelectGunNameList = 3  // gun/selectGun
};

// The key of list `type`, empty for any other type.
QString nameListKey(int type);

// The list as stored: a one-entry list gets the sentinel appended.
QStringList withNameListSentinel(const QStringList &names);
// The list as the pages use it: exactly two entries with the sentinel second
// lose the sentinel; any other list stays whole.
QStringList withoutNameListSentinel(const QStringList &names);

// The type as the pages pass it: a number 0 .. 3, else -1.
int nameListType(const QVariant &type);

class NameLists
{
public:
    // The names file in `settingDir`; each call opens and closes it.
    explicit NameLists(const QString &settingDir);

    QString filePath() const { return m_path; }

    // The stored list, sentinel included; empty for a missing key, a plain
    // value or an unknown type.
    QVariantList nameList(const QVariant &type) const;
    // Stores the list (sentinel added for one name); an empty list removes
    // the key. False for an unknown type, which stores nothing.
    bool storeNameList(const QVariant &type, const QStringList &names);

private:
    // The names file after the damage check; a damaged one is set aside and
    // made again from the macro and profile files (NameListRebuild.h).
    std::unique_ptr<QSettings> open() const;

    QString m_settingDir;
    QString m_path;
};
