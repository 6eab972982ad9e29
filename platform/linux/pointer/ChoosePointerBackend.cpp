#include "../DesktopSession.h"
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

} // namespace

std::unique_ptr<PointerBackend> choosePointerBackend()
{
    for (const char *name : kGnomeSchemaDesktops) {
        if (onDesktop(name)) {
            if (std::unique_ptr<GnomePointer> gnome = GnomePointer::open())
                return gnome;
            return std::make_unique<NoPointerBackend>();
        }
    }
    if (onDesktop(kKdeDesktop))
        return std::make_unique<KdePointer>(sessionBus(), X11Pointer::open());
    if (!waylandSession()) {
        if (std::unique_ptr<X11Pointer> x11 = X11Pointer::open())
            return x11;
    }
    return std::make_unique<NoPointerBackend>();
}

} // namespace platform
