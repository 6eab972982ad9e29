#include "Ui_Controler.h"

#include "AppConfig.h"
#include "Hid_Thread.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QVariant>
#include <QWidget>

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

    window->resize(m_view->size());
    window->setWindowTitle(readWindowTitle());
}

void Ui_Controler::onMinimize()
{
    if (m_window)
        m_window->showMinimized();
}

void Ui_Controler::onClose()
{
    if (m_window)
        m_window->setVisible(false);
}

// The page passes the mouse offset since the press: the window follows it.
void Ui_Controler::onXChanged(int x)
{
    if (m_window)
        m_window->move(m_window->x() + x, m_window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (m_window)
        m_window->move(m_window->x(), m_window->y() + y);
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
