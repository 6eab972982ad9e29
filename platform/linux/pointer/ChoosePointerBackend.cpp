#include "GnomePointer.h"
#include "KdePointer.h"
#include "PointerBackend.h"
#include "SessionBus.h"
#include "X11Pointer.h"

#include <QString>
#include <QStringList>

namespace platform {

namespace {

// Desktops whose mouse settings live in GNOME's schemas.
const char *const kGnomeSchemaDesktops[] = {"GNOME", "Unity", "Budgie", "Pantheon"};
const char *const kKdeDesktop = "KDE";

bool waylandSession()
{
    return qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

std::unique_ptr<PointerBackend> choosePointerBackend()
{
    // A colon-separated list, most specific first ("ubuntu:GNOME").
    const QStringList desktops = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'));
    for (const char *name : kGnomeSchemaDesktops) {
        if (desktops.contains(QLatin1String(name), Qt::CaseInsensitive)) {
            if (std::unique_ptr<GnomePointer> gnome = GnomePointer::open())
                return gnome;
            return std::make_unique<NoPointerBackend>();
        }
    }
    if (desktops.contains(QLatin1String(kKdeDesktop), Qt::CaseInsensitive))
        return std::make_unique<KdePointer>(sessionBus(), X11Pointer::open());
    if (!waylandSession()) {
        if (std::unique_ptr<X11Pointer> x11 = X11Pointer::open())
            return x11;
    }
    return std::make_unique<NoPointerBackend>();
}

} // namespace platform
