#pragma once
// The command line of the program (mouse-utility --help, --list, --status,
// --profile, --export, --import). Options are looked at before anything else
// starts: a running instance carries the command out and answers; otherwise
// it runs here without a window, a tray or a display.

#include <QString>

class Widget;

namespace cli {
struct Reply;
}

// Whether the arguments ask for a command rather than the window.
bool isCommandLine(int argc, char **argv);
// Runs the command and returns the exit status (0 done, 1 no mouse or the
// mouse did not take it, 2 bad usage or input).
int runCommandLine(int argc, char **argv);

// In the running instance: carries out a request from the command line of
// another process and returns the encoded answer.
QString carryOutRequest(const QString &message, Widget &window);
// In the running instance: the profile manager's switch to profile index
// `profileIndex`, as a --profile command would make it; busy while another
// command runs.
cli::Reply switchProfileInWindow(int profileIndex, Widget &window);
