#include "MacroNames.h"

#include <QDir>
#include <QFileInfo>

const char kMacroFileSuffix[] = ".bin";

namespace {
const char kPlainBase[] = "Macro";
constexpr QChar kReplacement = QLatin1Char('_');
// Room left in a base name for the "(k)" that follows it.
constexpr int kSuffixRoom = 8;

QString safeBase(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString::fromLatin1(kPlainBase);
    QString base = name;
    for (QChar &c : base) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0)
            c = kReplacement;
    }
    while (base.toUtf8().size() > kMaxMacroNameBytes - kSuffixRoom)
        base.chop(1);
    return base;
}
} // namespace

bool isSafeMacroName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.toUtf8().size() > kMaxMacroNameBytes)
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0)
            return false;
    }
    return true;
}

QString macroFilePath(const QString &macroDir, const QString &name)
{
    if (!isSafeMacroName(name))
        return QString();
    const QString dir = QDir::cleanPath(QDir(macroDir).absolutePath());
    const QString path = QDir::cleanPath(dir + QLatin1Char('/') + name + QLatin1String(kMacroFileSuffix));
    if (QFileInfo(path).absolutePath() != dir)
        return QString();
    return path;
}

QString freeMacroName(const QString &name, const std::function<bool(const QString &)> &taken, int maxTries)
{
    const QString base = safeBase(name);
    for (int k = 0; k < maxTries; ++k) {
        const QString candidate = base + QLatin1Char('(') + QString::number(k) + QLatin1Char(')');
        if (!taken(candidate))
            return candidate;
    }
    return QString();
}
