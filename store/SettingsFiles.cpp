#include "SettingsFiles.h"

#include "AppConfig.h"
#include "PlayedMacros.h"
#include "SettingsGuard.h"
#include "SettingsKeys.h"
#include "WholeFiles.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
void copyFactoryProfile(const QString &factory, const QString &path)
{
    QFile source(factory);
    if (source.size() <= kMaxSettingsFileSize && source.open(QIODevice::ReadOnly)) {
        const QByteArray content = source.readAll();
        if (isSettingsText(content))
            writeWholeFile(path, content);
    }
}
} // namespace

SettingsFiles::SettingsFiles(const QString &settingDir, QObject *parent)
    : QObject(parent)
{
    const QDir dir(settingDir);
    m_appConfig = openAppConfig(dir.filePath(QString::fromLatin1(kAppConfigFileName))).release();
    m_appConfig->setParent(this);
    const QString factory = dir.filePath(QString::fromLatin1(kFactoryProfileFileName));
    for (int i = 0; i < kProfileFileCount; ++i) {
        const QString path = dir.filePath(profileFileName(i));
        // A damaged profile starts again from the factory profile, as a reset would.
        if (!setAsideDamagedFile(path).isEmpty())
            copyFactoryProfile(factory, path);
        m_profiles.append(openSettingsFile(path, nullptr, this).release());
    }
    listPlayedMacros(m_profiles, settingDir,
                     QDir::cleanPath(settingDir + QLatin1String("/../") + QLatin1String(kMacroFolderName)));
}

SettingsFiles::~SettingsFiles() = default;

bool SettingsFiles::writeAppConfig()
{
    m_appConfig->sync();
    // A handle keeps the first error it met for the rest of the run, so its
    // status cannot tell whether this write got through. The toolkit keeps
    // one copy of a file's pending keys for all handles on that name: a new
    // handle's write is this write, and its status is this write's.
    QSettings probe(m_appConfig->fileName(), QSettings::IniFormat);
    probe.setIniCodec(kUtf8Codec);
    probe.sync();
    return probe.status() == QSettings::NoError;
}

QSettings *SettingsFiles::profile(int index) const
{
    return index >= 0 && index < m_profiles.size() ? m_profiles.at(index) : nullptr;
}

bool SettingsFiles::setCurrentProfileIndex(int index)
{
    if (!profile(index))
        return false;
    m_currentProfile = index;
    return true;
}

QString SettingsFiles::dpiListKey() const { return ::dpiListKey(m_is4090); }
QString SettingsFiles::reportRateKey() const { return ::reportRateKey(m_is4090); }
QString SettingsFiles::ledEffectKey() const { return ::ledEffectKey(m_is4090); }

QString SettingsFiles::fileName(int index) const
{
    const QSettings *handle = profile(index);
    return handle ? handle->fileName() : QString();
}

bool SettingsFiles::replaceProfileFile(int index, const QString &sourcePath)
{
    if (!profile(index))
        return false;
    QFile source(sourcePath);
    if (source.size() > kMaxSettingsFileSize || !source.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Profile source cannot be read:" << sourcePath;
        return false;
    }
    const QByteArray content = source.readAll();
    // Closed before the replacement: Windows cannot rename over a file that
    // is still open, and the source may be the profile file itself.
    source.close();
    return replaceProfileContent(index, content);
}

bool SettingsFiles::replaceProfileContent(int index, const QByteArray &content)
{
    QSettings *old = profile(index);
    if (!old)
        return false;
    if (!isSettingsText(content)) {
        qDebug().noquote() << "Profile source is not a settings file";
        return false;
    }

    const QString name = old->fileName();
    // Flushed now, into the file being replaced: flushed at the deferred
    // delete, the old cache would be merged into the new file.
    old->sync();
    const QDateTime oldStamp = QFileInfo(name).lastModified();

    if (!writeWholeFile(name, content))
        return false;
    // The toolkit shares one parsed copy per file name between handles and
    // re-reads only when size or modification time differ; a copy of equal
    // size written within the clock's tick must not look unchanged.
    if (QFileInfo(name).lastModified() == oldStamp) {
        QFile written(name);
        if (written.open(QIODevice::ReadWrite))
            written.setFileTime(oldStamp.addMSecs(1), QFileDevice::FileModificationTime);
    }

    m_profiles[index] = new QSettings(name, QSettings::IniFormat, this);
    old->deleteLater();
    return true;
}
