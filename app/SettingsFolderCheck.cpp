#include "SettingsFolderCheck.h"

#include <QDir>
#include <QTemporaryFile>

const char kSettingsFolder[] = "./modules/setting";

bool settingsFolderWritable(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-check-XXXXXX")));
    return probe.open();  // removed again when the probe goes
}

QString settingsReadOnlyNotice(const QString &folder)
{
    return QStringLiteral("Settings cannot be saved: %1 is not writable. Changes last until the program ends. "
                          "Install the program into a folder you can write, such as ~/.local.")
        .arg(QDir(folder).absolutePath());
}
