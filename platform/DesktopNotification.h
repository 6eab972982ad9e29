#pragma once
// Messages through the desktop's own notification service, for desktops where
// the program has no tray icon to show them from.

#include <functional>
#include <string>

namespace platform {

// Called once a message could not be delivered, with the reason.
using NotificationFailed = std::function<void(const std::string &reason)>;

// Hands a message (title, text, shown for timeoutMs) to the notification
// service without waiting for it. False when the platform has no such
// service at all; a bus or service that is missing or refuses reports
// through `failed`, at once or later on the calling thread.
bool sendDesktopNotification(const std::string &title, const std::string &text, int timeoutMs,
                             const NotificationFailed &failed);

} // namespace platform
