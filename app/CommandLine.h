#pragma once
// The command line of the program (mouse-utility --help, --list, --status,
// --profile, --export, --import). Options are looked at before anything else
// starts: a running instance carries the command out and answers; otherwise
// it runs here without a window, a tray or a display.

#include <QString>

#include <functional>

class Hid_Thread;
class Widget;
class myQQuickView;

namespace cli {
struct Reply;
}

// Whether the arguments ask for a command rather than the window.
bool isCommandLine(int argc, char **argv);
// Runs the command and returns the exit status (0 done, 1 no mouse or the
// mouse did not take it, 2 bad usage or input, 3 busy).
int runCommandLine(int argc, char **argv);

// In the running instance: carries out a request from the command line of
// another process and hands the encoded answer to `answer`. A request that
// arrives while another is carried out waits for it to end, in order.
void carryOutRequest(const QString &message, Widget &window, std::function<void(const QString &)> answer);
// The same against the pages in `view` and the device link `hid`, answered
// at once; there is no window to end, so a quit request is refused.
QString carryOutRequest(const QString &message, myQQuickView &view, Hid_Thread &hid);
// In the running instance: the profile manager's switch to profile index
// `profileIndex`, as a --profile command would make it; busy while another
// command runs.
cli::Reply switchProfileInWindow(int profileIndex, Widget &window);
