#include "DesktopNotification.h"

namespace platform {

// Windows always has the notification area: the tray icon's balloons carry
// every message.
bool sendDesktopNotification(const std::string &, const std::string &, int, const NotificationFailed &)
{
    return false;
}

} // namespace platform
