#include "MacroAssignments.h"

#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "SettingsLists.h"

#include <array>

const char kMacroUseHeader[] = "Name";

namespace {
const char kAssignmentGroup[] = "macro";

constexpr int kKindByte = 0;
constexpr int kPositionByte = 2;
constexpr int kMouseLeft = 0xF0;
constexpr int kMouseRight = 0xF1;
constexpr int kMouseMiddle = 0xF2;
constexpr int kMouseButton4 = 0xF3;
constexpr int kMouseButton5 = 0xF4;
constexpr int kKindMouse = 1;
constexpr int kKindDpi = 7;
constexpr int kDpiUp = 1;
constexpr int kDpiDown = 2;

using Definition = std::array<int, kButtonDefinitionSize>;
// What buttons 0 .. 6 do when the macro they played is gone.
constexpr std::array<Definition, kRenumberedButtons> kDefaultDefinitions = {{
    {kKindMouse, 0, kMouseLeft, 0},
    {kKindMouse, 0, kMouseRight, 0},
    {kKindMouse, 0, kMouseMiddle, 0},
    {kKindMouse, 0, kMouseButton5, 0},
    {kKindMouse, 0, kMouseButton4, 0},
    {kKindDpi, 0, kDpiUp, 0},
    {kKindDpi, 0, kDpiDown, 0},
}};

// Each key of `profile`'s assignment group with its macro name.
template <typename Visit>
void forEachAssignment(QSettings &profile, Visit visit)
{
    profile.beginGroup(QLatin1String(kAssignmentGroup));
    const QStringList keys = profile.childKeys();
    for (const QString &key : keys)
        visit(key, profile.value(key, QString()).toString());
    profile.endGroup();
}
} // namespace

std::optional<QVector<int>> definitionAfterMacroDelete(int position, const QVector<int> &definition,
                                                       int deletedIndex)
{
    if (position < 0 || position >= kRenumberedButtons || definition.size() < kButtonDefinitionSize ||
        definition.at(kKindByte) != kMacroPositionKind)
        return std::nullopt;
    QVector<int> result = definition.mid(0, kButtonDefinitionSize);
    if (result.at(kPositionByte) == deletedIndex) {
        const Definition &d = kDefaultDefinitions[static_cast<size_t>(position)];
        result = QVector<int>(d.begin(), d.end());
    } else if (result.at(kPositionByte) > deletedIndex) {
        --result[kPositionByte];
    }
    return result;
}

MacroAssignments::MacroAssignments(SettingsFiles &files)
    : m_files(files)
{
}

void MacroAssignments::setMacroKey(int button, const QString &macroName)
{
    m_files.currentProfile()->setValue(::macroKey(button), macroName);
}

QVariant MacroAssignments::macroKey(int button) const
{
    return m_files.currentProfile()->value(::macroKey(button), 0);
}

QStringList MacroAssignments::buttonsPlaying(const QString &macroName) const
{
    QStringList result{QString::fromLatin1(kMacroUseHeader)};
    for (int p = 0; p < kMacroAssignmentProfiles; ++p) {
        QSettings *profile = m_files.profile(p);
        if (!profile)
            continue;
        forEachAssignment(*profile, [&](const QString &key, const QString &name) {
            if (name == macroName)
                result.append(key);
        });
    }
    return result;
}

void MacroAssignments::renameAssignments(const QString &oldName, const QString &newName)
{
    for (int p = 0; p < kMacroAssignmentProfiles; ++p) {
        QSettings *profile = m_files.profile(p);
        if (!profile)
            continue;
        QStringList playing;
        forEachAssignment(*profile, [&](const QString &key, const QString &name) {
            if (name == oldName)
                playing.append(key);
        });
        for (const QString &key : playing)
            profile->setValue(QLatin1String(kAssignmentGroup) + QLatin1Char('/') + key, newName);
    }
}

void MacroAssignments::renumberAfterDelete(int deletedIndex)
{
    for (int p = 0; p < kRenumberedProfiles; ++p) {
        QSettings *profile = m_files.profile(p);
        if (!profile || p == m_files.currentProfileIndex())
            continue;
        for (int position = 0; position < kRenumberedButtons; ++position) {
            const QVariantList stored = readSettingsList(*profile, keyDefineKey(position));
            QVector<int> definition;
            for (const QVariant &v : stored)
                definition.append(v.toInt());
            const auto changed = definitionAfterMacroDelete(position, definition, deletedIndex);
            if (!changed)
                continue;
            QVariantList values;
            for (int v : *changed)
                values.append(v);
            profile->setValue(keyDefineKey(position), values);
        }
    }
}
