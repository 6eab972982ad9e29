#include "Ui_Controler.h"

#include "AppConfig.h"
#include "Hid_Thread.h"
#include "Tray.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>

Ui_Controler::Ui_Controler(QObject *parent)
    : QObject(parent)
{
}

void Ui_Controler::setupWindow(QWidget *window, Hid_Thread *hid)
{
    m_window = window;
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setStyleSheet(QStringLiteral("background:transparent;"));

    m_view = new myQQuickView(window);
    m_view->setObjectName(QStringLiteral("ui_View"));
    m_view->setClearColor(Qt::transparent);
    // Published before the page loads, so that nothing on the page can find
    // them missing.
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    context->setContextProperty(QStringLiteral("hid"), hid);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);
    m_view->setSource(QUrl(QString::fromLatin1(kRootPage)));
    m_view->installEventFilter(this);

    window->setWindowTitle(readWindowTitle());
    fitPage();
}

qreal fittingScale(const QSizeF &content, const QSizeF &available)
{
    if (available.isEmpty() || content.isEmpty())
        return 1.0;
    return qMin(1.0, qMin(available.width() / content.width(), available.height() / content.height()));
}

void Ui_Controler::fitPage()
{
    QQuickItem *root = m_view ? m_view->rootObject() : nullptr;
    if (!m_window || !root)
        return;
    const QSizeF page(root->width(), root->height());
    const QScreen *screen = m_window->screen();
    const qreal scale = fittingScale(page, screen ? QSizeF(screen->availableGeometry().size()) : QSizeF());
    root->setTransformOrigin(QQuickItem::TopLeft);
    root->setScale(scale);
    // Rounded down: a pixel more than the screen holds would push the window off it.
    const QSize shown(int(page.width() * scale), int(page.height() * scale));
    m_view->resize(shown);
    m_window->resize(shown);
}

void Ui_Controler::onMinimize()
{
    if (m_window)
        m_window->showMinimized();
}

// Hidden into a tray that is not there, the window could not be found
// again: without a tray the close box ends the program.
void Ui_Controler::onClose()
{
    if (!m_window)
        return;
    if (trayAvailable())
        m_window->setVisible(false);
    else
        emit quitRequested();
}

void Ui_Controler::onQuit()
{
    emit quitRequested();
}

void Ui_Controler::onXChanged(int x)
{
    dragBy(QPoint(x, 0));
}

void Ui_Controler::onYChanged(int y)
{
    dragBy(QPoint(0, y));
}

// The page passes the mouse offset since the press. The first offset of a
// press hands the move to the window system, which follows the pointer
// itself (Wayland compositors ignore positions a window sets for itself);
// where it cannot, the window follows the offsets.
void Ui_Controler::dragBy(const QPoint &offset)
{
    if (!m_window)
        return;
    if (!m_moveTried) {
        m_moveTried = true;
        QWindow *handle = m_window->windowHandle();
        m_systemMove = handle && handle->startSystemMove();
    }
    if (!m_systemMove)
        m_window->move(m_window->pos() + offset);
}

bool Ui_Controler::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        m_moveTried = false;
        m_systemMove = false;
    }
    return QObject::eventFilter(watched, event);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (!m_view || !m_view->rootObject())
        return;
    QMetaObject::invokeMethod(m_view->rootObject(), "setProtectUI", Qt::DirectConnection,
                              Q_ARG(QVariant, QVariant(busyTime)));
}

void Ui_Controler::setBusy()
{
    setBusy(0);
}
