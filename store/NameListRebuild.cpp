#include "NameListRebuild.h"

#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "MacroNames.h"
#include "NameLists.h"
#include "ProfileList.h"
#include "SettingsPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
const char kFirstProfileName[] = "Standard";

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList macrosPresent(const QString &macroDir)
{
    const MacroFiles macros(macroDir);
    QVector<QPair<int, QString>> found;
    const QString pattern = QLatin1Char('*') + QLatin1String(kMacroFileSuffix);
    for (const QFileInfo &file : QDir(macroDir).entryInfoList({pattern}, QDir::Files, QDir::Name)) {
        const QString name = file.completeBaseName();
        if (isSafeMacroName(name) && found.size() < kMaxMacroNames)
            found.append({macros.index(name).toInt(), name});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList names;
    for (const auto &f : found)
        names.append(f.second);
    return names;
}

QStringList profilesPresent(const QString &settingDir)
{
    const QDir dir(settingDir);
    const QByteArray factory = contentOf(dir.filePath(QLatin1String(kFactoryProfileFileName)));
    QVector<ListedProfile> entries{{QLatin1String(kFirstProfileName), 0}};
    for (int index = 1; index < kListedProfileMax; ++index) {
        const QString path = dir.filePath(profileFileName(index));
        if (QFileInfo(path).isFile() && contentOf(path) != factory)
            entries.append({newProfileName(entries), index});
    }
    QStringList stored;
    for (const ListedProfile &e : entries)
        stored.append(e.name + QString::number(e.index));
    return stored;
}
} // namespace

void rebuildNameLists(const QString &settingDir, const QString &macroDir)
{
    NameLists names(settingDir);
    names.storeNameList(kMacroNameList, macrosPresent(macroDir));
    names.storeNameList(kProfileNameList, profilesPresent(settingDir));
}
