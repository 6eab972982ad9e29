#include "DesktopSession.h"

#include <QString>
#include <QStringList>

namespace platform {

bool onDesktop(const char *name)
{
    return QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"))
        .split(QLatin1Char(':'))
        .contains(QLatin1String(name), Qt::CaseInsensitive);
}

bool waylandSession()
{
    return qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace platform
