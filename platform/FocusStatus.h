#pragma once
// What the focus watchers tell the user, as keys into one table of texts
// (FocusStatus.cpp); the language file's [appRules] group has the same ids.

#include "StatusText.h"

namespace platform {

enum class FocusText {
    NotStarted,            // %1: the desktop
    NoX11Display,
    X11Watching,
    SwaySockUnset,
    SwayWatching,
    SwaySocketSilent,      // %1: the socket
    SwaySocketClosed,
    SwayNotMessage,
    SwayOversized,
    HyprlandUnset,
    HyprlandWatching,
    HyprlandSocketSilent,  // %1: the socket
    HyprlandSocketClosed,
    NoSessionBus,
    NoGnomeShell,
    GnomeExtensionMissing, // %1: the extension's uuid
    GnomeExtensionOff,     // %1: the extension's uuid
    GnomeFollowing,
    NoKWin,
    KWinScriptUnwritable,
    KWinScriptNotLoaded,
    KWinScriptNotRun,
    KWinFollowing,
    AlreadyFollowedHere,
    FollowedByAnotherCopy,
    WindowsHookRefused,
    WindowsFollowing,
    UnsupportedWayland,
    UnsupportedDesktop,
    NotFollowing,          // %1: why, one of the above
    Count
};

const TextKey &focusText(FocusText text);
StatusText focusStatus(FocusText text, std::vector<std::string> args = {});

} // namespace platform
