#include "CarriedMacros.h"

#include "MacroFiles.h"
#include "MacroNames.h"
#include "NameLists.h"
#include "SettingsKeys.h"
#include "SettingsLists.h"

#include <QDebug>

#include <algorithm>

namespace {
constexpr int kEventTypeLast = 4;
constexpr int kEventSeparatorIndex = 1;
constexpr int kLoggedNameLength = 64;
const char kCarriedGroup[] = "profile";

QStringList toStringList(const QVariantList &list)
{
    QStringList result;
    result.reserve(list.size());
    for (const QVariant &v : list)
        result.append(v.toString());
    return result;
}

bool loopCountOf(const QString &text, int &count)
{
    bool ok = false;
    count = text.toInt(&ok);
    return ok && count >= 0 && count <= kMaxLoopCount;
}
} // namespace

QStringList carriedMacroNames(const QSettings &profile)
{
    const QVariant value = profile.value(QLatin1String(kProfileMacroNamesKey));
    if (!value.isValid())
        return {};
    if (value.type() == QVariant::StringList || value.type() == QVariant::List)
        return value.toStringList();
    // One macro is stored as a plain value.
    return {value.toString()};
}

QStringList carriedMacroContent(const QSettings &profile, int index)
{
    return toStringList(readSettingsList(profile, profileMacroKey(index)));
}

bool isMacroEventText(const QString &event)
{
    return event.size() > kEventSeparatorIndex && event.at(0) >= QLatin1Char('0') &&
           event.at(0) <= QLatin1Char('0' + kEventTypeLast) && event.at(kEventSeparatorIndex) == QLatin1Char(',');
}

bool isRestorableMacro(const QString &name, const QStringList &content)
{
    const QStringList events = content.mid(0, content.size() - 1);
    int loops = 0;
    return !content.isEmpty() && isSafeMacroName(name) && events.size() <= kMaxMacroEvents &&
           loopCountOf(content.last(), loops) && std::all_of(events.begin(), events.end(), isMacroEventText);
}

void writeCarriedMacros(QSettings &target, const QStringList &names, const MacroFiles &macros)
{
    // A profile that was itself imported still carries the macros it came with.
    target.remove(QLatin1String(kCarriedGroup));
    target.setValue(QLatin1String(kProfileMacroNamesKey), names);
    for (int i = 0; i < names.size(); ++i)
        target.setValue(profileMacroKey(i), macros.load(names.at(i)));
}

int restoreCarriedMacros(const QSettings &profile, MacroFiles &macros, NameLists &names)
{
    const QStringList carried = carriedMacroNames(profile);
    if (carried.isEmpty())
        return 0;
    QStringList listed = withoutNameListSentinel(toStringList(names.nameList(kMacroNameList)));
    const int listedBefore = listed.size();
    int restored = 0;
    for (int i = 0; i < carried.size(); ++i) {
        const QString &name = carried.at(i);
        const QStringList content = carriedMacroContent(profile, i);
        // An existing macro of that name is the user's: never replaced here.
        if (content.isEmpty() || macros.exists(name))
            continue;
        if (!isRestorableMacro(name, content)) {
            qDebug().noquote() << "Carried macro skipped:" << name.left(kLoggedNameLength);
            continue;
        }
        if (!listed.contains(name) && listed.size() >= kMaxMacroNames) {
            qDebug().noquote() << "Carried macro not added:" << name.left(kLoggedNameLength);
            continue;
        }
        int loops = 0;
        loopCountOf(content.last(), loops);
        if (!macros.write(name, uint(listed.contains(name) ? listed.indexOf(name) : listed.size()),
                          content.mid(0, content.size() - 1), loops))
            continue;
        if (!listed.contains(name))
            listed.append(name);
        ++restored;
    }
    if (listed.size() != listedBefore)
        names.storeNameList(kMacroNameList, listed);
    return restored;
}
