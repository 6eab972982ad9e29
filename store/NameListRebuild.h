#pragma once
// A names file that was set aside as damaged is made again from what the
// folders hold, so the user's macros and profiles stay in the lists: every
// macro file of the macro folder (in the editor's order, config/index), and
// profile 1 with every other profile of the manager's six whose file is no
// longer the factory profile, under the names New gives.

#include <QString>

// Writes the lists into the (empty) names file in `settingDir`; the macro
// folder is `macroDir`.
void rebuildNameLists(const QString &settingDir, const QString &macroDir);
