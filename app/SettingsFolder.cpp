#include "SettingsFolder.h"

#include "SettingsPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace {

const char kUserTreeName[] = "mouse-utility";  // the user's copy, under $XDG_DATA_HOME
const char kTreeDir[] = "modules";
const char kPartSuffix[] = ".part";

QString settingDirIn(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).filePath(QString::fromLatin1(kSettingDir)));
}

// The file whose presence says that a first copy went through: it is copied
// last, so a tree that holds it holds everything the first copy had.
QString completionFileIn(const QString &folder)
{
    return QDir(settingDirIn(folder)).filePath(QString::fromLatin1(kAppConfigFileName));
}

QString copyOneFile(const QString &source, const QString &target)
{
    const QString part = target + QString::fromLatin1(kPartSuffix);
    QFile::remove(part);  // a leftover of an interrupted copy
    QFile in(source);
    if (!in.copy(part))
        return QStringLiteral("%1: %2").arg(target, in.errorString());
    // The copy keeps the installed file's mode, which may lack write access.
    QFile::setPermissions(part, QFile::permissions(part) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    QFile out(part);
    if (!out.rename(target)) {
        const QString error = out.errorString();
        QFile::remove(part);
        return QStringLiteral("%1: %2").arg(target, error);
    }
    return QString();
}

} // namespace

bool folderWritable(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-check-XXXXXX")));
    return probe.open();  // removed again when the probe goes
}

QString copyMissingFiles(const QString &from, const QString &to, const QString &copyLast)
{
    if (!QFileInfo(from).isDir())
        return QStringLiteral("%1 is not a folder").arg(from);
    QStringList folders(QString{});
    QStringList files;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir base(from);
    while (it.hasNext()) {
        const QString path = it.next();
        (it.fileInfo().isDir() ? folders : files) << base.relativeFilePath(path);
    }
    std::sort(folders.begin(), folders.end());  // parents before children
    const QString last = QDir::cleanPath(copyLast);
    std::stable_partition(files.begin(), files.end(),
                          [&](const QString &f) { return QDir::cleanPath(base.filePath(f)) != last; });

    QStringList failed;
    const QDir target(to);
    for (const QString &folder : folders) {
        if (!QDir().mkpath(QDir::cleanPath(target.filePath(folder))))
            failed << QStringLiteral("%1: cannot create the folder").arg(target.filePath(folder));
    }
    for (const QString &file : files) {
        const QFileInfo existing(target.filePath(file));
        if (existing.exists() || existing.isSymLink())
            continue;
        const QString error = copyOneFile(base.filePath(file), existing.filePath());
        if (!error.isEmpty())
            failed << error;
    }
    if (failed.isEmpty())
        return QString();
    return failed.size() == 1 ? failed.first()
                              : QStringLiteral("%1 (and %2 more)").arg(failed.first()).arg(failed.size() - 1);
}

SettingsFolder prepareSettingsFolder(const QString &installFolder, const QString &userFolder)
{
    if (folderWritable(settingDirIn(installFolder)))
        return {installFolder, QString()};

    const QString tree = QString::fromLatin1(kTreeDir);
    const QString error = copyMissingFiles(QDir(installFolder).filePath(tree), QDir(userFolder).filePath(tree),
                                           completionFileIn(installFolder));
    // A complete copy serves even when it cannot be written: the user's own
    // settings, not the installed ones, are what they expect to see.
    const bool copied = QFileInfo(completionFileIn(userFolder)).isFile();
    const bool writable = copied && folderWritable(settingDirIn(userFolder));
    if (writable && error.isEmpty())
        return {userFolder, QString()};
    if (writable)
        return {userFolder, QStringLiteral("Some installed files could not be copied to %1, they are tried again "
                                           "at the next start: %2")
                                .arg(userFolder, error)};
    const QString reason = error.isEmpty() ? QStringLiteral("%1 is not writable").arg(settingDirIn(userFolder)) : error;
    return {copied ? userFolder : installFolder,
            QStringLiteral("Settings cannot be saved: %1. Changes last until the program ends; the copy into %2 is "
                           "tried again at the next start.")
                .arg(reason, userFolder)};
}

QString chooseSettingsFolder()
{
    const QString userFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QString::fromLatin1(kUserTreeName));
    const SettingsFolder chosen = prepareSettingsFolder(QCoreApplication::applicationDirPath(), userFolder);
    QDir::setCurrent(chosen.path);
    return chosen.notice;
}
