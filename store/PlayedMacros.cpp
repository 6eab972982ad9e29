#include "PlayedMacros.h"

#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "NameLists.h"

namespace {
const char kAssignmentGroup[] = "macro";
}

int listPlayedMacros(const QVector<QSettings *> &profiles, const QString &settingDir, const QString &macroDir)
{
    const MacroFiles macros(macroDir);
    QStringList played;
    for (QSettings *profile : profiles) {
        profile->beginGroup(QLatin1String(kAssignmentGroup));
        for (const QString &key : profile->childKeys()) {
            const QString name = profile->value(key).toString();
            if (!played.contains(name) && macros.exists(name))
                played.append(name);
        }
        profile->endGroup();
    }
    if (played.isEmpty())
        return 0;
    NameLists names(settingDir);
    QStringList stored;
    for (const QVariant &v : names.nameList(kMacroNameList))
        stored.append(v.toString());
    QStringList listed = withoutNameListSentinel(stored);
    int added = 0;
    for (const QString &name : played) {
        if (!listed.contains(name) && listed.size() < kMaxMacroNames) {
            listed.append(name);
            ++added;
        }
    }
    if (added > 0)
        names.storeNameList(kMacroNameList, listed);
    return added;
}
