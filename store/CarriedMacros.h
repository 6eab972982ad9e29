#pragma once
// Macros carried inside an exported profile (.pf): "profile/name" lists the
// macro names, "profile/<i>" holds the i-th macro as MacroFiles::load gives
// it (events, then the loop count). A single name, or a macro with no
// events, is a one-element list, which the settings format keeps as a plain
// value.
//
// A .pf file comes from anywhere, so restoring takes only what the macro
// editor could have made: safe names, at most kMaxMacroNames macros in the
// library, well-formed events and a loop count 0 .. 65535.

#include <QSettings>
#include <QStringList>

class MacroFiles;
class NameLists;

constexpr int kMaxMacroNames = 100;  // the editor's limit
constexpr int kMaxLoopCount = 65535;

// Whether `event` is "<type digit 0-4>,<info>".
bool isMacroEventText(const QString &event);

// The names a profile carries under profile/name.
QStringList carriedMacroNames(const QSettings &profile);
// Carried macro `index` of `profile`: its events, then its loop count.
QStringList carriedMacroContent(const QSettings &profile, int index);
// Whether a carried macro is one the editor could have made: a safe name,
// well-formed events within the limit and a loop count 0 .. 65535.
bool isRestorableMacro(const QString &name, const QStringList &content);

// Writes profile/name and profile/<i> for `names` into `target`, in place
// of any macros it carried before.
void writeCarriedMacros(QSettings &target, const QStringList &names, const MacroFiles &macros);

// Turns the macros carried by `profile` whose files are missing back into
// macro files and adds new names to the macro list; an existing macro is
// never replaced (the import stores a differing one under a new name, see
// ProfileImport.h). A profile that carries nothing restores nothing; a
// carried macro that is empty, unsafe or malformed is skipped. Returns the
// number of macros restored.
int restoreCarriedMacros(const QSettings &profile, MacroFiles &macros, NameLists &names);
