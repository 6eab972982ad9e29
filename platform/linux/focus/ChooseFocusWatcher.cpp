#include "FocusWatchers.h"
#include "GnomeFocusWatcher.h"
#include "KWinFocusWatcher.h"
#include "../pointer/SessionBus.h"

#include <QString>
#include <QStringList>

namespace platform {

namespace {

// XDG_CURRENT_DESKTOP is a colon-separated list, most specific first.
bool onDesktop(const char *name)
{
    return QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"))
        .split(QLatin1Char(':'))
        .contains(QLatin1String(name), Qt::CaseInsensitive);
}

} // namespace

// A program under XWayland sees only X11 windows, so on a Wayland session the
// compositor's own watcher comes first.
std::unique_ptr<FocusWatcher> createFocusWatcher()
{
    if (onDesktop("KDE"))
        return std::make_unique<KWinFocusWatcher>(sessionBus());
    // GNOME on X11 is an X11 desktop like any other.
    if (onDesktop("GNOME") && qgetenv("XDG_SESSION_TYPE") == "wayland")
        return std::make_unique<GnomeFocusWatcher>(sessionBus());
    return std::make_unique<UnsupportedFocusWatcher>(
        "Per-application profiles are not supported on this desktop");
}

} // namespace platform
