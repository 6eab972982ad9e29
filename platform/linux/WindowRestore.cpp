#include "WindowRestore.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace platform {

// X11 has no system-menu restore message: queue the same effect on the widget.
void postRestoreRequest(std::uintptr_t nativeWindow)
{
    QPointer<QWidget> window = QWidget::find(static_cast<WId>(nativeWindow));
    if (!window)
        return;
    QMetaObject::invokeMethod(window, [window] {
        if (!window)
            return;
        window->setVisible(true);
        window->showNormal();
        window->raise();
        window->activateWindow();
    }, Qt::QueuedConnection);
}

bool isRestoreMessage(const char *, const void *)
{
    return false;
}

} // namespace platform
