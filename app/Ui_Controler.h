#pragma once
// The window controller the pages see as "ui_Ctl": window drag, minimise,
// hide to tray (quit where there is none), quit, the page's fit to the
// screen, and the busy protection of the pages.

#include <QObject>
#include <QPoint>
#include <QSizeF>
#include <QPointer>
#include <QWidget>

#include "myQQuickView.h"

class Hid_Thread;

// The scale at which `content` fits into `available`: 1 where it fits,
// never more; 1 for an unknown (empty) area.
qreal fittingScale(const QSizeF &content, const QSizeF &available);

class Ui_Controler : public QObject
{
    Q_OBJECT
public:
    explicit Ui_Controler(QObject *parent = nullptr);

    // Dresses `window` as the frameless translucent main window and builds
    // the view of the pages inside it, with "ui_View", "hid" and "ui_Ctl"
    // published to the pages.
    void setupWindow(QWidget *window, Hid_Thread *hid);

    void setWindow(QWidget *window) { m_window = window; }
    void setView(myQQuickView *view) { m_view = view; }
    QWidget *window() const { return m_window; }
    myQQuickView *view() const { return m_view; }

    // Sizes the window to the page, scaled down as a whole where the page
    // is larger than the available area of the window's screen.
    void fitPage();

signals:
    // The page's Quit, or its close box where there is no tray.
    void quitRequested();

public slots:
    void onMinimize();
    void onClose();
    void onQuit();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

protected:
    // Presses and releases on the view start a new drag.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dragBy(const QPoint &offset);

    QPointer<QWidget> m_window;
    QPointer<myQQuickView> m_view;
    bool m_moveTried = false;
    bool m_systemMove = false;
};
