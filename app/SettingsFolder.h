#pragma once
// Where the program keeps its tree of settings (modules/): beside the
// executable when the user can write there (a portable folder, the demo, an
// install into the user's own prefix), otherwise in a per-user copy of the
// installed tree. The chosen folder becomes the working folder, so every
// relative path (./modules/...) works the same in both.

#include <QString>

struct SettingsFolder
{
    QString path;    // the folder that holds modules/
    QString notice;  // what could not be done, to be said once; empty when all went well
};

// True when a file can be created in `folder` (tried for real, so that
// read-only mounts and access rules count, not just permission bits).
bool folderWritable(const QString &folder);

// Copies into `to` every file of `from` that `to` lacks, and the folders;
// files already in `to` are never touched. A file is copied under a scratch
// name and renamed when complete, so an interrupted copy leaves no partial
// file, and the next call completes it. Returns what failed, empty when
// nothing did. `copyLast`, a path under `from`, is copied after all others.
QString copyMissingFiles(const QString &from, const QString &to, const QString &copyLast = QString());

// Chooses between the tree in `installFolder` and the user's copy in
// `userFolder` (filled from the installed tree where it lacks files). When
// the user's copy cannot be made, the installed tree serves this run; a copy
// that cannot be written serves as it is. Either way the notice says so.
SettingsFolder prepareSettingsFolder(const QString &installFolder, const QString &userFolder);

// The above for this executable's folder and $XDG_DATA_HOME/mouse-utility;
// makes the chosen folder the working folder and returns the notice.
QString chooseSettingsFolder();
