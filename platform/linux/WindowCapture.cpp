#include "WindowCapture.h"

#include "InputCaptureCodes.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <memory>

namespace platform {
namespace {

// Qt's mouse buttons as the X button numbers of the shared button table.
constexpr unsigned kXButtonLeft = 1;
constexpr unsigned kXButtonMiddle = 2;
constexpr unsigned kXButtonRight = 3;

unsigned xButtonForQt(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return kXButtonLeft;
    case Qt::MiddleButton:
        return kXButtonMiddle;
    case Qt::RightButton:
        return kXButtonRight;
    default:
        return 0;
    }
}

// Watches the events the platform delivers to the program's shown windows.
// The same event is handed on to widgets and to the hidden window behind the
// page view: only the first, the one to a visible window, counts.
class WindowEventTap : public QObject
{
public:
    explicit WindowEventTap(const CaptureHandlers &handlers) : m_handlers(handlers) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWindowType() || !static_cast<QWindow *>(watched)->isVisible())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            key(*static_cast<QKeyEvent *>(event));
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // the second press of a double click
        case QEvent::MouseButtonRelease:
            button(*static_cast<QMouseEvent *>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void key(const QKeyEvent &event) const
    {
        if (!m_handlers.key || event.isAutoRepeat())
            return;
        // The Wayland platform reports the XKB key code as the native scan code.
        RawKeyEvent raw;
        if (keyEventForXKeyCode(event.nativeScanCode(), event.type() == QEvent::KeyPress, raw))
            m_handlers.key(raw, m_handlers.context);
    }

    void button(const QMouseEvent &event) const
    {
        const std::uint32_t message = messageForXButton(xButtonForQt(event.button()), event.type() != QEvent::MouseButtonRelease);
        if (!m_handlers.mouse || message == 0)
            return;
        RawMouseEvent raw;
        raw.message = message;
        raw.x = event.globalPos().x();
        raw.y = event.globalPos().y();
        m_handlers.mouse(raw, m_handlers.context);
    }

    CaptureHandlers m_handlers;
};

std::unique_ptr<WindowEventTap> current;

} // namespace

bool installWindowCapture(const CaptureHandlers &handlers)
{
    removeWindowCapture();
    if (!QCoreApplication::instance())
        return false;
    current = std::make_unique<WindowEventTap>(handlers);
    QCoreApplication::instance()->installEventFilter(current.get());
    return true;
}

void removeWindowCapture()
{
    current.reset();
}

bool windowCaptureOnly()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform
