#pragma once
// A macro's name is also the name of its file, and names arrive from the
// pages and from imported profiles. Only names that stay a plain file name
// inside the macro folder are taken.

#include <QString>

extern const char kMacroFileSuffix[];  // ".bin"

// False for an empty name, "." or "..", and names holding a path separator
// ('/' or '\\') or a NUL.
bool isSafeMacroName(const QString &name);

// "<macroDir>/<name>.bin", or an empty string when the name is not safe or
// the path would not lie directly inside `macroDir`.
QString macroFilePath(const QString &macroDir, const QString &name);
