#include "MacroFiles.h"

#include "MacroNames.h"
#include "SettingsGuard.h"
#include "StoredValues.h"
#include "WholeFiles.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char kIndexKey[] = "config/index";
const char kTotalKey[] = "config/total";
const char kRepeatKey[] = "config/repeat";
const char kTypeKey[] = "config/did";
const char kEventGroup[] = "macro";

constexpr int kNewTotal = 0;
constexpr int kNewRepeat = 1;
constexpr int kNewType = -1;

QString eventKey(int i)
{
    return QLatin1String(kEventGroup) + QLatin1Char('/') + QString::number(i);
}

QVariant configValue(const QString &path, const char *key)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return 0;
    return storedNumber(openSettingsFile(path)->value(QLatin1String(key), 0));
}
} // namespace

MacroFiles::MacroFiles(const QString &macroDir)
    : m_dir(macroDir)
{
}

QString MacroFiles::filePath(const QString &name) const
{
    return macroFilePath(m_dir, name);
}

bool MacroFiles::exists(const QString &name) const
{
    const QString path = filePath(name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool MacroFiles::create(const QString &name, uint index)
{
    const QString path = filePath(name);
    if (path.isEmpty()) {
        qDebug().noquote() << "Macro name refused:" << name;
        return false;
    }
    QDir().mkpath(m_dir);
    const auto file = openSettingsFile(path);
    file->setValue(QLatin1String(kIndexKey), index);
    file->setValue(QLatin1String(kTotalKey), kNewTotal);
    file->setValue(QLatin1String(kRepeatKey), kNewRepeat);
    file->setValue(QLatin1String(kTypeKey), kNewType);
    file->sync();
    return file->status() == QSettings::NoError;
}

bool MacroFiles::write(const QString &name, uint index, const QStringList &events, int repeat)
{
    const QString path = filePath(name);
    if (path.isEmpty())
        return false;
    bool ok = false;
    const QByteArray content = settingsFileBytes({}, [&](QSettings &file) {
        file.setValue(QLatin1String(kIndexKey), index);
        file.setValue(QLatin1String(kTotalKey), events.size());
        file.setValue(QLatin1String(kRepeatKey), repeat);
        file.setValue(QLatin1String(kTypeKey), kNewType);
        for (int i = 0; i < events.size(); ++i)
            file.setValue(eventKey(i), events.at(i));
    }, ok);
    QDir().mkpath(m_dir);
    return ok && writeWholeFile(path, content);
}

bool MacroFiles::save(const QString &name, const QStringList &events, const QVariant &repeat)
{
    if (!exists(name))
        return false;
    const auto file = openSettingsFile(filePath(name));
    file->remove(QLatin1String(kEventGroup));
    file->setValue(QLatin1String(kTotalKey), events.size());
    file->setValue(QLatin1String(kRepeatKey), repeat);
    for (int i = 0; i < events.size(); ++i)
        file->setValue(eventKey(i), events.at(i));
    return true;
}

QStringList MacroFiles::load(const QString &name) const
{
    if (!exists(name))
        return {};
    const auto file = openSettingsFile(filePath(name));
    const int total = qMin(file->value(QLatin1String(kTotalKey), 0).toInt(), kMaxMacroEvents);
    QStringList result;
    for (int i = 0; i < total; ++i)
        result.append(file->value(eventKey(i), 0).toString());
    result.append(file->value(QLatin1String(kRepeatKey), 0).toString());
    return result;
}

QVariant MacroFiles::type(const QString &name) const
{
    return configValue(filePath(name), kTypeKey);
}

QVariant MacroFiles::index(const QString &name) const
{
    return configValue(filePath(name), kIndexKey);
}

void MacroFiles::setIndex(const QString &name, const QVariant &index)
{
    if (exists(name))
        openSettingsFile(filePath(name))->setValue(QLatin1String(kIndexKey), index);
}

bool MacroFiles::rename(const QString &oldName, const QString &newName)
{
    const QString newPath = filePath(newName);
    if (!exists(oldName) || newPath.isEmpty() || QFileInfo::exists(newPath))
        return false;
    return QFile::rename(filePath(oldName), newPath);
}

bool MacroFiles::remove(const QString &name)
{
    return exists(name) && QFile::remove(filePath(name));
}
