#include "SettingsGuard.h"

#include "SerialisedValues.h"

#include <QDebug>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QPair>
#include <QVector>

#include <utility>

const char kUtf8Codec[] = "UTF-8";
const char kDamagedSuffix[] = ".damaged";

namespace {
constexpr char kCommentMark = ';';
constexpr char kAltCommentMark = '#';
constexpr char kSectionOpen = '[';
constexpr char kSectionClose = ']';
constexpr char kAssign = '=';
constexpr char kContinuation = '\\';
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

bool isControlByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F;
}

bool isSettingsLine(const QByteArray &line)
{
    const QByteArray text = line.trimmed();
    if (text.isEmpty() || text.at(0) == kCommentMark || text.at(0) == kAltCommentMark)
        return true;
    if (text.at(0) == kSectionOpen)
        return text.endsWith(kSectionClose) && text.size() > 2;
    return text.indexOf(kAssign) > 0;
}

// A value may go on over the next line when its line ends in an odd number
// of backslashes; the toolkit reads such files although it never writes them.
bool endsWithContinuation(const QByteArray &line)
{
    const QByteArray text = line.endsWith('\r') ? line.chopped(1) : line;
    int backslashes = 0;
    for (int i = text.size() - 1; i >= 0 && text.at(i) == kContinuation; --i)
        ++backslashes;
    return backslashes % 2 == 1;
}

struct DamageReports {
    DamagedFileListener listener;
    QVector<QPair<QString, QString>> earlier;
};

DamageReports &damageReports()
{
    static DamageReports reports;
    return reports;
}

void reportDamage(const QString &path, const QString &aside)
{
    qWarning().noquote() << damagedFileMessage(path, aside);
    DamageReports &reports = damageReports();
    if (reports.listener)
        reports.listener(path, aside);
    else
        reports.earlier.append({path, aside});
}

QString freeAsideName(const QString &path)
{
    QString aside = path + QLatin1String(kDamagedSuffix);
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = path + QLatin1String(kDamagedSuffix) + QString::number(n);
    return aside;
}
}

bool isSettingsText(const QByteArray &content)
{
    if (hasSerialisedValue(content))
        return false;
    for (char c : content) {
        if (isControlByte(c))
            return false;
    }
    const QByteArray text = content.startsWith(kUtf8Bom) ? content.mid(int(sizeof kUtf8Bom) - 1) : content;
    bool continued = false;
    for (const QByteArray &line : text.split('\n')) {
        if (!continued && !isSettingsLine(line))
            return false;
        continued = endsWithContinuation(line);
    }
    return true;
}

QString setAsideDamagedFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    QFile file(path);
    const bool readable = info.isFile() && info.size() <= kMaxSettingsFileSize && file.open(QIODevice::ReadOnly);
    if (readable && isSettingsText(file.readAll()))
        return QString();
    file.close();

    const QString aside = freeAsideName(path);
    if (!QFile::rename(path, aside)) {
        qDebug().noquote() << "Settings file damaged and could not be set aside:" << path;
        return QString();
    }
    QFile fresh(path);
    fresh.open(QIODevice::WriteOnly);
    reportDamage(path, aside);
    return aside;
}

void setDamagedFileListener(DamagedFileListener listener)
{
    DamageReports &reports = damageReports();
    reports.listener = std::move(listener);
    if (!reports.listener)
        return;
    const auto earlier = std::exchange(reports.earlier, {});
    for (const auto &report : earlier)
        reports.listener(report.first, report.second);
}

QString damagedFileMessage(const QString &path, const QString &aside)
{
    return QStringLiteral("Settings file %1 was damaged and has been set aside as %2")
        .arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(QFileInfo(aside).absoluteFilePath()));
}

std::unique_ptr<QSettings> openSettingsFile(const QString &path, const char *codec, QObject *parent)
{
    setAsideDamagedFile(path);
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat, parent);
    if (codec)
        settings->setIniCodec(codec);
    return settings;
}
