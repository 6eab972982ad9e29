#pragma once
// The session bus the environment names now. The connection is keyed by the
// address, so a session that moved to another bus is followed.

#include <QDBusConnection>

namespace platform {

// A blocking call never waits longer: a desktop service that hangs must not
// hang the pages.
constexpr int kDesktopCallTimeoutMs = 2000;

QDBusConnection sessionBus();

} // namespace platform
