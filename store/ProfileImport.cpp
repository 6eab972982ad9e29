#include "ProfileImport.h"

#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "MacroNames.h"
#include "NameLists.h"
#include "SettingsFiles.h"
#include "SettingsGuard.h"
#include "SettingsKeys.h"
#include "WholeFiles.h"

#include <QFile>
#include <QHash>
#include <QSettings>
#include <QVariant>

namespace {
const char kAssignmentGroup[] = "macro";
constexpr int kShownNameLength = 64;
// More tries than names the library and one import can hold together.
constexpr int kMaxRenameTries = 4 * kMaxMacroNames;

struct CarriedMacro {
    QString name;     // as carried
    QString stored;   // the name it is stored under
    QStringList events;
    int loops = 0;
    bool write = false;  // a new file is needed
};

QString shown(const QString &name)
{
    return name.left(kShownNameLength);
}

QByteArray readSource(const QString &path, bool &ok)
{
    QFile file(path);
    ok = file.size() <= kMaxSettingsFileSize && file.open(QIODevice::ReadOnly);
    return ok ? file.read(kMaxSettingsFileSize + 1) : QByteArray();
}

class ImportPlan
{
public:
    ImportPlan(MacroFiles &macros, const QStringList &listed)
        : m_macros(macros)
        , m_listed(listed)
    {
    }

    // Reads the carried macros of `pf`; false with `error` set for one that
    // the editor could not have made.
    bool read(const QSettings &pf, QString &error)
    {
        const QStringList names = carriedMacroNames(pf);
        if (names.size() > kMaxMacroNames) {
            error = QStringLiteral("carries %1 macros, more than %2").arg(names.size()).arg(kMaxMacroNames);
            return false;
        }
        for (int i = 0; i < names.size(); ++i) {
            const QStringList content = carriedMacroContent(pf, i);
            if (content.isEmpty())
                continue;  // exported without a file: nothing to store
            int loops = 0;
            if (!isRestorableContent(content, loops)) {
                error = QStringLiteral("carried macro '%1' has malformed events").arg(shown(names.at(i)));
                return false;
            }
            m_carried.append({names.at(i), QString(), content.mid(0, content.size() - 1), loops, false});
        }
        return true;
    }

    // Chooses the stored name of every carried macro; false when the
    // library would hold more macros than the editor allows.
    bool place(QString &error)
    {
        for (CarriedMacro &m : m_carried) {
            const QStringList content = m.events + QStringList{QString::number(m.loops)};
            if (isSafeMacroName(m.name) && holds(m.name, content)) {
                m.stored = m.name;
            } else if (isSafeMacroName(m.name) && !taken(m.name)) {
                m.stored = m.name;
                m.write = true;
            } else {
                // A name this macro got from an earlier import of the file is reused.
                m.stored = freeMacroName(
                    m.name,
                    [&](const QString &n) { return (taken(n) || m_listed.contains(n)) && !holds(n, content); },
                    kMaxRenameTries);
                m.write = !holds(m.stored, content);
            }
            if (m.stored.isEmpty()) {
                error = QStringLiteral("no free name for carried macro '%1'").arg(shown(m.name));
                return false;
            }
            m_planned.insert(m.stored, content);
            if (!m_listed.contains(m.stored))
                m_listed.append(m.stored);
        }
        if (m_listed.size() > kMaxMacroNames) {
            error = QStringLiteral("the macro list would hold more than %1 macros").arg(kMaxMacroNames);
            return false;
        }
        return true;
    }

    // The imported profile with its buttons and carried list pointing at
    // the stored names.
    void retarget(QSettings &profile) const
    {
        QHash<QString, QString> storedName;
        for (const CarriedMacro &m : m_carried)
            storedName.insert(m.name, m.stored);
        profile.beginGroup(QLatin1String(kAssignmentGroup));
        for (const QString &key : profile.childKeys()) {
            const QString value = profile.value(key).toString();
            if (storedName.contains(value) && storedName.value(value) != value)
                profile.setValue(key, storedName.value(value));
        }
        profile.endGroup();
        const QStringList carried = carriedMacroNames(profile);
        QStringList stored;
        for (const QString &name : carried)
            stored.append(storedName.value(name, name));
        // Left alone when nothing changed: the file stays as exported.
        if (stored != carried)
            profile.setValue(QLatin1String(kProfileMacroNamesKey), stored);
    }

    bool writeMacros() const
    {
        for (const CarriedMacro &m : m_carried) {
            if (m.write && !m_macros.write(m.stored, uint(m_listed.indexOf(m.stored)), m.events, m.loops))
                return false;
        }
        return true;
    }

    QStringList listed() const { return m_listed; }

    QVector<QPair<QString, QString>> renamed() const
    {
        QVector<QPair<QString, QString>> out;
        for (const CarriedMacro &m : m_carried)
            if (m.stored != m.name)
                out.append({m.name, m.stored});
        return out;
    }

private:
    static bool isRestorableContent(const QStringList &content, int &loops)
    {
        // The name is checked apart: an unsafe one is renamed, not refused.
        if (!isRestorableMacro(QStringLiteral("x"), content))
            return false;
        loops = content.last().toInt();
        return true;
    }

    // Whether `name` already stands for exactly this macro.
    bool holds(const QString &name, const QStringList &content) const
    {
        if (m_planned.contains(name))
            return m_planned.value(name) == content;
        return m_macros.exists(name) && m_macros.load(name) == content;
    }

    // A listed name whose file is missing is not taken: the macro returns.
    bool taken(const QString &name) const
    {
        return m_planned.contains(name) || (isSafeMacroName(name) && QFile::exists(m_macros.filePath(name)));
    }

    MacroFiles &m_macros;
    QStringList m_listed;
    QVector<CarriedMacro> m_carried;
    QHash<QString, QStringList> m_planned;
};
} // namespace

ImportResult importProfileFile(SettingsFiles &files, int profile, const QString &path, const QString &settingDir,
                               const QString &macroDir)
{
    ImportResult result;
    if (!files.profile(profile)) {
        result.error = QStringLiteral("not a profile index");
        return result;
    }
    bool readable = false;
    const QByteArray source = readSource(path, readable);
    if (!readable || source.size() > kMaxSettingsFileSize || !isSettingsText(source)) {
        result.error = QStringLiteral("not a profile file");
        return result;
    }

    MacroFiles macros(macroDir);
    NameLists names(settingDir);
    ImportPlan plan(macros, withoutNameListSentinel(QVariant(names.nameList(kMacroNameList)).toStringList()));
    bool ok = false;
    QString error;
    const QByteArray imported = settingsFileBytes(source, [&](QSettings &pf) {
        if (plan.read(pf, error) && plan.place(error))
            plan.retarget(pf);
    }, ok);
    if (!error.isEmpty() || !ok) {
        result.error = error.isEmpty() ? QStringLiteral("cannot be read") : error;
        return result;
    }

    if (!plan.writeMacros() || !files.replaceProfileContent(profile, imported)) {
        result.error = QStringLiteral("the settings folder cannot be written");
        return result;
    }
    names.storeNameList(kMacroNameList, plan.listed());
    result.ok = true;
    result.renamed = plan.renamed();
    return result;
}
