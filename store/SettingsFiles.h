#pragma once
// The settings files the view keeps open for the whole run: apConfig.bin and
// the ten profile files p1.bin .. p10.bin, plus which profile is current and
// which sensor the connected mouse carries.
//
// The handles are children of this object, so each writes back its pending
// changes when the object goes away; nothing set just before quitting is lost.

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVector>

#include "SettingsPaths.h"

class SettingsFiles : public QObject
{
    Q_OBJECT

public:
    // Opens <settingDir>/apConfig.bin (UTF-8) and p1.bin .. p10.bin (no
    // codec), in that order; damaged files are set aside (SettingsGuard.h).
    explicit SettingsFiles(const QString &settingDir = QString::fromLatin1(kSettingDir),
                           QObject *parent = nullptr);
    ~SettingsFiles() override;

    QSettings *appConfig() const { return m_appConfig; }
    // Writes what apConfig.bin's handle holds to the file now; false when
    // the file cannot be written.
    bool writeAppConfig();

    int profileCount() const { return m_profiles.size(); }
    // Handle of profile `index`, nullptr outside 0 .. 9.
    QSettings *profile(int index) const;
    // The handle every profile key of the pages goes to; never null.
    QSettings *currentProfile() const { return m_profiles.at(m_currentProfile); }

    int currentProfileIndex() const { return m_currentProfile; }
    // Returns false and keeps the current index when `index` is outside 0 .. 9.
    bool setCurrentProfileIndex(int index);

    bool is4090() const { return m_is4090; }
    void setIs4090(bool is4090) { m_is4090 = is4090; }

    // The sensor's form of the per-sensor keys.
    QString dpiListKey() const;
    QString reportRateKey() const;
    QString ledEffectKey() const;

    // File name of profile `index`'s handle; empty outside 0 .. 9.
    QString fileName(int index) const;

    // Replaces the file of profile `index` by a copy of `sourcePath` and puts
    // a new handle on it at the same position; the old handle is deleted
    // later. The old file is kept when the source cannot be read, is not a
    // settings file, or the copy cannot be written: then false is returned
    // and nothing changes. Copying a profile's own file onto it is harmless.
    bool replaceProfileFile(int index, const QString &sourcePath);
    // The same with the new file's content at hand.
    bool replaceProfileContent(int index, const QByteArray &content);

private:
    QSettings *m_appConfig = nullptr;
    QVector<QSettings *> m_profiles;
    int m_currentProfile = 0;
    bool m_is4090 = false;
};
