#pragma once
// A macro's name is also the name of its file, and names arrive from the
// pages and from imported profiles. Only names that stay a plain file name
// inside the macro folder are taken.

#include <QString>

#include <functional>

extern const char kMacroFileSuffix[];  // ".bin"

// File systems take names of up to 255 bytes; the suffix needs a few.
constexpr int kMaxMacroNameBytes = 200;

// False for an empty name, "." or "..", names longer than kMaxMacroNameBytes
// in UTF-8, and names holding a path separator ('/' or '\\') or a NUL.
bool isSafeMacroName(const QString &name);

// "<macroDir>/<name>.bin", or an empty string when the name is not safe or
// the path would not lie directly inside `macroDir`.
QString macroFilePath(const QString &macroDir, const QString &name);

// A name for a macro that cannot keep `name`: "<base>(k)" with the lowest
// k from 0 on that `taken` refuses, where base is `name` with its path
// separators and NULs turned into '_' ("Macro" for an empty name, "." or
// ".."). Empty when no k up to `maxTries` is free.
QString freeMacroName(const QString &name, const std::function<bool(const QString &)> &taken, int maxTries);
