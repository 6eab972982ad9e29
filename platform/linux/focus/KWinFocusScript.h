#pragma once
// The script KWin runs for the program: it calls the program's FocusChanged
// method with the active window's resourceClass and caption on each
// activation and caption change. Plasma 6 names (windowActivated,
// activeWindow) are used where they exist, else Plasma 5's (clientActivated,
// activeClient).

#include <QString>

namespace platform {

// The script text calling `service` (a bus name: letters, digits, ":._-").
// Empty for any other service text, which must not reach the script.
QString kwinFocusScript(const QString &service);

} // namespace platform
