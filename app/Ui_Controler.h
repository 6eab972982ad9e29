#pragma once
// The window controller the pages see as "ui_Ctl": window drag, minimise,
// hide to tray, and the busy protection of the pages.

#include <QObject>
#include <QPointer>
#include <QQuickWidget>
#include <QWidget>

class Ui_Controler : public QObject
{
    Q_OBJECT
public:
    explicit Ui_Controler(QObject *parent = nullptr);

    void setWindow(QWidget *window) { m_window = window; }
    void setView(QQuickWidget *view) { m_view = view; }
    QWidget *window() const { return m_window; }
    QQuickWidget *view() const { return m_view; }

public slots:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    QPointer<QWidget> m_window;
    QPointer<QQuickWidget> m_view;
};
