#include "WholeFiles.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {
const char kScratchName[] = "scratch.bin";
}

bool writeWholeFile(const QString &path, const QByteArray &content)
{
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() || !target.commit()) {
        qDebug().noquote() << "File cannot be written:" << path;
        return false;
    }
    return true;
}

QByteArray settingsFileBytes(const QByteArray &initial, const std::function<void(QSettings &)> &fill, bool &ok)
{
    ok = false;
    QTemporaryDir scratchDir;
    if (!scratchDir.isValid())
        return {};
    const QString scratch = scratchDir.filePath(QLatin1String(kScratchName));
    {
        QFile file(scratch);
        if (!file.open(QIODevice::WriteOnly) || file.write(initial) != initial.size())
            return {};
    }
    {
        QSettings settings(scratch, QSettings::IniFormat);
        fill(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return {};
    }
    QFile written(scratch);
    if (!written.open(QIODevice::ReadOnly))
        return {};
    ok = true;
    return written.readAll();
}
