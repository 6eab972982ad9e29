#pragma once
// Notice of HID devices arriving or leaving, for the device check.

namespace platform {

using DeviceChangeCallback = void (*)(void *context);

class DeviceChangeWatch;

// Starts watching for HID devices arriving and leaving. The callback runs on
// the thread that runs the GUI event loop, once per change the system reports
// (a plug may report several). Returns null where changes arrive as window
// messages instead (Windows, see isDeviceChangeMessage) or where the system
// offers no watch; the program then sees new devices only at its next check.
DeviceChangeWatch *startDeviceChangeWatch(DeviceChangeCallback callback, void *context);
void stopDeviceChangeWatch(DeviceChangeWatch *watch);

// True for a native window message that reports a device change.
bool isDeviceChangeMessage(const char *eventType, const void *nativeMessage);

} // namespace platform
