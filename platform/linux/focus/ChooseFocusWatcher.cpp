#include "FocusWatchers.h"

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool set(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

} // namespace

// A program under XWayland sees only X11 windows, so on a Wayland session the
// compositor's own watcher comes first.
std::unique_ptr<FocusWatcher> createFocusWatcher()
{
    const char *session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland = set("WAYLAND_DISPLAY") || (session && std::strcmp(session, "wayland") == 0);
    if (set("SWAYSOCK"))
        return createSwayFocusWatcher();
    if (!hyprlandEventSocket().empty())
        return createHyprlandFocusWatcher();
    if (!wayland && set("DISPLAY"))
        return createX11FocusWatcher();
    return std::make_unique<UnsupportedFocusWatcher>(
        wayland ? "Per-application profiles are not supported on this Wayland desktop: its compositor does not "
                  "tell other programs which window is in front"
                : "Per-application profiles are not supported on this desktop");
}

} // namespace platform
