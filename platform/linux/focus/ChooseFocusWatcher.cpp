#include "../DesktopSession.h"
#include "FocusWatchers.h"
#include "GnomeFocusWatcher.h"
#include "KWinFocusWatcher.h"
#include "../pointer/SessionBus.h"

#include <QtGlobal>

namespace platform {

namespace {

bool set(const char *variable)
{
    return !qEnvironmentVariableIsEmpty(variable);
}

} // namespace

// A program under XWayland sees only X11 windows, so on a Wayland session the
// compositor's own watcher comes first.
std::unique_ptr<FocusWatcher> createFocusWatcher()
{
    const bool wayland = waylandSession();
    if (onDesktop("KDE"))
        return std::make_unique<KWinFocusWatcher>(sessionBus());
    // GNOME on X11 is an X11 desktop like any other.
    if (onDesktop("GNOME") && wayland)
        return std::make_unique<GnomeFocusWatcher>(sessionBus());
    if (set("SWAYSOCK"))
        return createSwayFocusWatcher();
    if (!hyprlandEventSocket().empty())
        return createHyprlandFocusWatcher();
    if (!wayland && set("DISPLAY"))
        return createX11FocusWatcher();
    return std::make_unique<UnsupportedFocusWatcher>(
        focusStatus(wayland ? FocusText::UnsupportedWayland : FocusText::UnsupportedDesktop));
}

} // namespace platform
