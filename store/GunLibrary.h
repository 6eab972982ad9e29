#pragma once
// The gun library, ./modules/gun/gunData.bin: one key per gun,
// "gunData/<name>" = trigger key, interval, X deviation, Y deviation, run
// times. The file is part of the installed tree; without it nothing is
// stored or read.
//
// The pages pass a gun as [name, trigger key, interval, X, Y, run times],
// and for a rename the old name as a seventh element.

#include <QString>
#include <QVariant>
#include <QVariantList>

enum GunChange {
    kGunDelete = 0,
    kGunRename = 1
};

class GunLibrary
{
public:
    explicit GunLibrary(const QString &gunDataPath);

    QString filePath() const { return m_path; }

    // Stores elements 1 .. 5 under the name in element 0.
    bool saveGun(const QVariantList &src6);
    // kGunDelete removes the gun named by element 0 (a missing gun leaves
    // the file as it was); kGunRename removes the gun named by element 6
    // and stores the others under element 0.
    bool modifyGun(const QVariant &change, const QVariantList &src6);
    // The five values, empty when the file or the gun is missing.
    QVariantList gun(const QString &name) const;

private:
    QString m_path;
};
