#pragma once
// Whether the program can save its settings: they live in the installed tree
// beside the executable, which a system-wide install may not let the user write.

#include <QString>

extern const char kSettingsFolder[];  // "./modules/setting"

// True when a file can be created in `folder` (tried for real, so that
// read-only mounts and access rules count, not just permission bits).
bool settingsFolderWritable(const QString &folder = QString::fromLatin1(kSettingsFolder));

// The notice shown once at start when the folder is not writable.
QString settingsReadOnlyNotice(const QString &folder);
