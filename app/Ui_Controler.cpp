#include "Ui_Controler.h"

#include <QQuickItem>
#include <QQuickWidget>
#include <QVariant>
#include <QWidget>

Ui_Controler::Ui_Controler(QObject *parent)
    : QObject(parent)
{
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
