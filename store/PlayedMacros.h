#pragma once
// An import writes the macro list last; one stopped just before leaves a
// profile that plays macros whose files are complete but not in the list.
// At start they are listed, so the editor shows every macro a button plays.

#include <QSettings>
#include <QString>
#include <QVector>

// Appends to the macro list of the names file in `settingDir` every macro
// that a profile of `profiles` plays (group "macro") and whose file exists in
// `macroDir` but is not listed. Returns how many were added.
int listPlayedMacros(const QVector<QSettings *> &profiles, const QString &settingDir, const QString &macroDir);
