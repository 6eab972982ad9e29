#include "Profiles.h"

#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "SettingsPaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

const char kProfileFileFilter[] = "Profile(*.pf)";

namespace {
const char kExportScratchName[] = "export.pf";

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

    // The settings class writes the macros into a scratch copy of the
    // profile; the result then replaces the target in one rename.
    QTemporaryDir scratchDir;
    if (!scratchDir.isValid())
        return false;
    const QString scratch = scratchDir.filePath(QLatin1String(kExportScratchName));
    {
        QFile copy(scratch);
        const QByteArray profileContent = readAll(source->fileName());
        if (!copy.open(QIODevice::WriteOnly) || copy.write(profileContent) != profileContent.size())
            return false;
    }
    {
        QSettings carried(scratch, QSettings::IniFormat);
        writeCarriedMacros(carried, macroNames, m_macros);
        carried.sync();
        if (carried.status() != QSettings::NoError)
            return false;
    }
    const QByteArray content = readAll(scratch);
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() || !target.commit()) {
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
