#include "DeviceChange.h"

#include <windows.h>

#include <cstring>

namespace platform {

// Windows broadcasts WM_DEVICECHANGE to every top-level window; the main
// window's native event handler picks it up, so there is nothing to start.
DeviceChangeWatch *startDeviceChangeWatch(DeviceChangeCallback, void *)
{
    return nullptr;
}

void stopDeviceChangeWatch(DeviceChangeWatch *)
{
}

bool isDeviceChangeMessage(const char *eventType, const void *nativeMessage)
{
    if (!eventType || !nativeMessage || std::strcmp(eventType, "windows_generic_MSG") != 0)
        return false;
    return static_cast<const MSG *>(nativeMessage)->message == WM_DEVICECHANGE;
}

} // namespace platform
