#pragma once
// Profile operations: the start profile kept in apConfig.bin, the current
// profile, and replacing a profile's file by an imported .pf file, by the
// factory profile or by another profile; exporting a profile with the
// macros it plays to a .pf file.
//
// A profile's file is only ever replaced by a complete copy written beside
// it and renamed over it (SettingsFiles::replaceProfileFile), so a failed
// import, reset or copy leaves the old profile as it was.

#include "ProfileImport.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class MacroFiles;
class SettingsFiles;

extern const char kProfileFileFilter[];  // "Profile(*.pf)"

class Profiles
{
public:
    Profiles(SettingsFiles &files, const QString &settingDir, const MacroFiles &macros);

    // Tarn/profileNo of apConfig.bin, the int 0 when absent.
    QVariant startProfile() const;
    void setStartProfile(const QVariant &profileNo);
    // The same, written to the file at once; false when it cannot be
    // written (the choice then lasts only while this process runs).
    bool keepStartProfile(int profileNo);
    // Makes `profile` current and the start profile; nothing when it already
    // is current or is not a profile index.
    void selectProfile(int profile);

    // Imports the .pf file at `path` into profile `profile` with the macros
    // it carries (ProfileImport.h). False, with nothing changed, when the
    // path is empty, the index is not a profile or the file cannot be taken.
    bool importProfile(int profile, const QString &path);
    ImportResult importFile(int profile, const QString &path);
    // Writes profile `profile` with the named macros to `path`; an existing
    // file there is replaced only once the new one is complete.
    bool exportProfile(int profile, const QString &path, const QStringList &macroNames);
    bool resetProfile(int profile);
    bool copyProfile(int destProfile, int srcProfile);

private:
    SettingsFiles &m_files;
    QString m_settingDir;
    QString m_factoryPath;
    const MacroFiles &m_macros;
};
