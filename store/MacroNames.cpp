#include "MacroNames.h"

#include <QDir>
#include <QFileInfo>

const char kMacroFileSuffix[] = ".bin";

bool isSafeMacroName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
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
