#include "FocusStatus.h"

namespace platform {

namespace {

const TextKey kTexts[] = {
    {"focusNotStarted", "%1 focus watcher not started"},
    {"focusNoX11Display", "No X display to watch (DISPLAY is not set or cannot be opened)"},
    {"focusX11Watching", "Watching the X11 desktop (x11)"},
    {"focusSwaySockUnset", "SWAYSOCK is not set: not a sway session"},
    {"focusSwayWatching", "Watching sway through its IPC socket (sway)"},
    {"focusSwaySocketSilent", "The sway IPC socket %1 does not answer"},
    {"focusSwaySocketClosed", "The sway IPC socket closed"},
    {"focusSwayNotMessage", "The sway IPC socket sent something that is not a message"},
    {"focusSwayOversized", "The sway IPC socket sent an oversized message"},
    {"focusHyprlandUnset", "HYPRLAND_INSTANCE_SIGNATURE is not set, or its event socket is missing"},
    {"focusHyprlandWatching", "Watching Hyprland through its event socket (hyprland)"},
    {"focusHyprlandSocketSilent", "The Hyprland event socket %1 does not answer"},
    {"focusHyprlandSocketClosed", "The Hyprland event socket closed"},
    {"focusNoSessionBus", "Per-application profiles need the session bus, which is not reachable"},
    {"focusNoGnomeShell", "Per-application profiles need GNOME Shell, which does not answer on the session bus"},
    {"focusGnomeExtensionMissing", "Per-application profiles need the GNOME Shell extension %1, which is not installed: "
                                   "install the program's package again, then log out and back in"},
    {"focusGnomeExtensionOff", "Per-application profiles need the GNOME Shell extension %1: turn it on with "
                               "`gnome-extensions enable %1` (a newly installed extension starts after logging out "
                               "and back in)"},
    {"focusGnomeFollowing", "Following the focused window through GNOME Shell"},
    {"focusNoKWin", "Per-application profiles need KWin, which does not answer on the session bus"},
    {"focusKWinScriptUnwritable",
     "Per-application profiles: the KWin script could not be written to the temporary folder"},
    {"focusKWinScriptNotLoaded", "Per-application profiles: KWin did not load the focus script"},
    {"focusKWinScriptNotRun", "Per-application profiles: KWin did not run the focus script"},
    {"focusKWinFollowing", "Following the active window through KWin"},
    {"focusAlreadyFollowedHere", "Per-application profiles are already being followed in this program"},
    {"focusFollowedByAnotherCopy", "Per-application profiles are already followed by another copy of the program"},
    {"focusWindowsHookRefused", "Per-application profiles: Windows refused the focus event hook"},
    {"focusWindowsFollowing", "Following the window in front"},
    {"focusUnsupportedWayland", "Per-application profiles are not supported on this Wayland desktop: its compositor "
                                "does not tell other programs which window is in front"},
    {"focusUnsupportedDesktop", "Per-application profiles are not supported on this desktop"},
    {"focusNotFollowing", "Not following: %1"},
};
static_assert(sizeof kTexts / sizeof kTexts[0] == size_t(FocusText::Count), "one text per key");

} // namespace

const TextKey &focusText(FocusText text)
{
    return kTexts[size_t(text)];
}

StatusText focusStatus(FocusText text, std::vector<std::string> args)
{
    return {&focusText(text), std::move(args)};
}

} // namespace platform
