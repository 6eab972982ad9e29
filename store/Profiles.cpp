#include "Profiles.h"

#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "SettingsPaths.h"
#include "WholeFiles.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSettings>

const char kProfileFileFilter[] = "Profile(*.pf)";

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

Profiles::Profiles(SettingsFiles &files, const QString &settingDir, const MacroFiles &macros)
    : m_files(files)
    , m_settingDir(settingDir)
    , m_factoryPath(QDir(settingDir).filePath(QString::fromLatin1(kFactoryProfileFileName)))
    , m_macros(macros)
{
}

QVariant Profiles::startProfile() const
{
    return m_files.appConfig()->value(QLatin1String(kProfileNoKey), 0);
}

void Profiles::setStartProfile(const QVariant &profileNo)
{
    m_files.appConfig()->setValue(QLatin1String(kProfileNoKey), profileNo.toUInt());
}

bool Profiles::keepStartProfile(int profileNo)
{
    setStartProfile(profileNo);
    return m_files.writeAppConfig();
}

void Profiles::selectProfile(int profile)
{
    if (profile == m_files.currentProfileIndex() || !m_files.setCurrentProfileIndex(profile))
        return;
    m_files.appConfig()->setValue(QLatin1String(kProfileNoKey), profile);
}

bool Profiles::importProfile(int profile, const QString &path)
{
    return !path.isEmpty() && importFile(profile, path).ok;
}

ImportResult Profiles::importFile(int profile, const QString &path)
{
    const ImportResult result = importProfileFile(m_files, profile, path, m_settingDir, m_macros.macroDir());
    if (!result.ok)
        qDebug().noquote() << "Profile not imported:" << result.error;
    for (const auto &r : result.renamed)
        qDebug().noquote() << "Imported macro" << r.first << "stored as" << r.second;
    return result;
}

bool Profiles::exportProfile(int profile, const QString &path, const QStringList &macroNames)
{
    QSettings *source = m_files.profile(profile);
    if (!source || path.isEmpty())
        return false;
    // What the pages set last may still sit in the handle's cache.
    source->sync();
    bool ok = false;
    const QByteArray content = settingsFileBytes(readAll(source->fileName()), [&](QSettings &carried) {
        writeCarriedMacros(carried, macroNames, m_macros);
    }, ok);
    if (!ok || !writeWholeFile(path, content)) {
        qDebug().noquote() << "Profile cannot be exported to" << path;
        return false;
    }
    return true;
}

bool Profiles::resetProfile(int profile)
{
    return m_files.replaceProfileFile(profile, m_factoryPath);
}

bool Profiles::copyProfile(int destProfile, int srcProfile)
{
    QSettings *source = m_files.profile(srcProfile);
    if (!source)
        return false;
    source->sync();
    return m_files.replaceProfileFile(destProfile, source->fileName());
}
