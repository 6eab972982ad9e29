#pragma once
// Importing a .pf file into a profile, all or nothing.
//
// The file is checked whole before anything is written: it must be a
// settings file (SettingsGuard.h) and every macro it carries well formed.
// A carried macro goes into the library under its own name when that name
// is free or already holds the same macro; a name that holds another macro,
// or that cannot be a file name, gives the macro a new name ("<name>(k)"),
// and the imported profile's buttons and carried list point at that name.
//
// Writing order, so that a start after a kill at any moment finds the old
// or the new state of each file and never a profile that plays a macro
// that is not there: each macro file whole (written aside, then renamed),
// then the profile file the same way, then the macro list.

#include <QPair>
#include <QString>
#include <QVector>

class SettingsFiles;

struct ImportResult {
    bool ok = false;
    // Why nothing was written, when !ok.
    QString error;
    // Carried macros stored under another name: (carried name, stored name).
    QVector<QPair<QString, QString>> renamed;
};

// Imports `path` into profile `profile` of `files`, with the macro library
// in `macroDir` and the name lists in `settingDir`.
ImportResult importProfileFile(SettingsFiles &files, int profile, const QString &path, const QString &settingDir,
                               const QString &macroDir);
