#pragma once
// Which macro each button plays, kept per profile under "macro/<button>",
// and the button definitions that point at a macro by its list position
// (kind 9), which must follow when a macro leaves the list.

#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVector>

#include <optional>

class SettingsFiles;

// The profiles whose assignments follow a renamed macro and are searched by
// buttonsPlaying (p1.bin .. p6.bin), and those renumbered after a delete
// (p1.bin .. p5.bin).
constexpr int kMacroAssignmentProfiles = 6;
constexpr int kRenumberedProfiles = 5;
// Button positions 0 .. 6 are renumbered; each has a default definition.
constexpr int kRenumberedButtons = 7;
constexpr int kMacroPositionKind = 9;  // definition kind: macro by list position

extern const char kMacroUseHeader[];  // "Name", first entry of buttonsPlaying

// Button `position`'s definition after the macro at 1-based list position
// `deletedIndex` was deleted: the position's default when it played that
// macro, its list position lowered by one when it played a later one.
// Nothing (leave it as it is) for other kinds, positions outside 0 .. 6 and
// definitions of fewer than four numbers.
std::optional<QVector<int>> definitionAfterMacroDelete(int position, const QVector<int> &definition,
                                                       int deletedIndex);

class MacroAssignments
{
public:
    explicit MacroAssignments(SettingsFiles &files);

    // macro/<button> of the current profile.
    void setMacroKey(int button, const QString &macroName);
    QVariant macroKey(int button) const;

    // "Name", then every button key of the first six profiles that plays
    // `macroName`, once per profile.
    QStringList buttonsPlaying(const QString &macroName) const;
    // Every assignment of `oldName` in the first six profiles becomes `newName`.
    void renameAssignments(const QString &oldName, const QString &newName);
    // Renumbers the kind-9 definitions of the first five profiles except the
    // current one after the macro at 1-based position `deletedIndex` left.
    void renumberAfterDelete(int deletedIndex);

private:
    SettingsFiles &m_files;
};
