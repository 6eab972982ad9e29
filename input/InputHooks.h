#pragma once
// The program's keyboard and mouse capture: one process-wide instance fed by
// the platform's global capture. Use it from the GUI thread only; the
// callbacks run there too and must return quickly, since the system waits on
// them for every key press and click on the desktop.

#include "KeyCapture.h"

namespace input {

// Starts the capture (again, if it runs): desktop-wide where the system
// allows it, otherwise from the program's own windows (Wayland). False when
// neither is possible; the program then goes without key and button capture.
bool installHooks();

// Stops the capture. Safe without a capture and when called twice.
void removeHooks();

void setKeyboardCallback(KeyboardCallback callback, void *context);
void setMouseCallback(MouseCallback callback, void *context);

// The process-wide front end that the capture feeds.
KeyCapture &keyCapture();

} // namespace input
