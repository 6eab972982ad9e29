#pragma once
// The program's command line: one command per call, checked before anything
// else starts, so bad usage changes nothing and needs no display or mouse.

#include <QString>
#include <QStringList>

namespace cli {

enum class Command { None, Help, Version, WatchFocus, List, Status, Profile, Export, Import, Quit };

// Exit statuses of a command. Busy is a refusal worth retrying, unlike a
// missing mouse.
enum Status { kDone = 0, kDeviceFailed = 1, kBadInput = 2, kBusy = 3 };

struct Options {
    Command command = Command::None;
    QString profile;  // a listed name or a number 1 .. 6
    QString file;     // absolute once parsed against the caller's folder
    QString error;    // bad usage, with what was wrong
};

constexpr int kProfileCount = 6;

// Whether the arguments ask for the command line rather than the window:
// any argument but the toolkit's own single-dash options and their values.
// A single-dash typo of a command ("-list") is the command line's too, so
// that it ends in a usage error instead of starting the window.
bool wantsCommandLine(const QStringList &arguments);

// Parses the arguments after the program name; relative files are taken
// against `workingDir`. A set `error` means bad usage.
Options parse(const QStringList &arguments, const QString &workingDir);

// The profile given as a number 1 .. 6: its index 0 .. 5; -1 for a name.
int profileNumberIndex(const QString &profile);

QString helpText();
QString versionText();
// `text` with control characters shown as \xNN, for messages.
QString printable(const QString &text);

} // namespace cli
