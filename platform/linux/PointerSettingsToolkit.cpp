#include "PointerSettings.h"

#include <QApplication>
#include <QThread>

#include <limits>

// Double-click time and wheel lines: X has no system-wide setting for them,
// so they apply to this program's own widgets and pages.

namespace platform {

namespace {

bool toolkitReachable()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

bool fitsInt(std::uint32_t value)
{
    return value <= static_cast<std::uint32_t>(std::numeric_limits<int>::max());
}

} // namespace

bool setDoubleClickTime(std::uint32_t milliseconds)
{
    if (!toolkitReachable() || !fitsInt(milliseconds))
        return false;
    const int interval = static_cast<int>(milliseconds);
    QApplication::setDoubleClickInterval(interval);
    return QApplication::doubleClickInterval() == interval;
}

bool setWheelScrollLines(std::uint32_t lines)
{
    if (!toolkitReachable() || !fitsInt(lines))
        return false;
    const int count = static_cast<int>(lines);
    QApplication::setWheelScrollLines(count);
    return QApplication::wheelScrollLines() == count;
}

} // namespace platform
