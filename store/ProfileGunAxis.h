#pragma once
// The gun chosen for a profile ("selectGun/<i>") and the profile's axis
// sensitivity levels ("XYSensitive/0" for X, "XYSensitive/1" for Y), kept
// in the current profile. The pages' index is used as text; values are
// stored as the pages give them.

#include <QVariant>

class SettingsFiles;

class ProfileGunAxis
{
public:
    explicit ProfileGunAxis(SettingsFiles &files);

    // The level, 4 when none is stored; a number when the stored text is one.
    QVariant xySensitive(const QVariant &index) const;
    void setXYSensitive(const QVariant &index, const QVariant &level);
    // The gun's name, empty text when none is stored.
    QVariant selectedGun(const QVariant &index) const;
    void setSelectedGun(const QVariant &index, const QVariant &gunName);

private:
    SettingsFiles &m_files;
};
