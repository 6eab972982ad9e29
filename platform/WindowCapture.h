#pragma once
// Capture of the keys and mouse buttons that reach the program's own
// windows, for platforms where the desktop-wide capture of InputCapture.h is
// not possible (Wayland). Events are described exactly as the global capture
// describes them, so the same key maps turn them into the same usages.

#include "InputCapture.h"

namespace platform {

// Starts passing the program's window events to the handlers, replacing an
// earlier window capture. False when the platform captures no window events
// (where the global capture covers them).
bool installWindowCapture(const CaptureHandlers &handlers);

// Stops it. Safe to call when none runs, and more than once.
void removeWindowCapture();

// True where the program cannot see keys outside its own windows: a native
// Wayland client, whose input never passes an X server (XWayland's neither).
bool windowCaptureOnly();

} // namespace platform
