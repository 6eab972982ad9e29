#include "KdeConfigFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

namespace {

QString header(const QStringList &group)
{
    return QLatin1Char('[') + group.join(QLatin1String("][")) + QLatin1Char(']');
}

bool isHeader(const QString &line)
{
    return line.startsWith(QLatin1Char('['));
}

// The key of a "key=value" line, flags such as "[$i]" included; null otherwise.
QString keyOf(const QString &line)
{
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0 || isHeader(line) || line.startsWith(QLatin1Char('#')))
        return QString();
    return line.left(equals).trimmed();
}

} // namespace

KdeConfigFile::KdeConfigFile(const QString &fileName)
    : m_path(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(fileName))
{
}

bool KdeConfigFile::load()
{
    m_lines.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    return true;
}

bool KdeConfigFile::save() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : m_lines)
        file.write(line.toUtf8() + '\n');
    return file.commit();
}

int KdeConfigFile::findGroup(const QStringList &group) const
{
    return m_lines.indexOf(header(group));
}

QString KdeConfigFile::value(const QStringList &group, const QString &key) const
{
    for (int i = findGroup(group) + 1; i > 0 && i < m_lines.size() && !isHeader(m_lines[i]); ++i)
        if (keyOf(m_lines[i]) == key)
            return m_lines[i].mid(m_lines[i].indexOf(QLatin1Char('=')) + 1);
    return QString();
}

void KdeConfigFile::setValue(const QStringList &group, const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + value;
    int i = findGroup(group);
    if (i < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().isEmpty())
            m_lines << QString();
        m_lines << header(group) << line;
        return;
    }
    int end = i + 1;
    for (; end < m_lines.size() && !isHeader(m_lines[end]); ++end) {
        if (keyOf(m_lines[end]) == key) {
            m_lines[end] = line;
            return;
        }
    }
    // After the group's last entry, before the blank lines that part groups.
    while (end > i + 1 && m_lines[end - 1].trimmed().isEmpty())
        --end;
    m_lines.insert(end, line);
}

} // namespace platform
