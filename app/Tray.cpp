#include "Tray.h"

#include "AppConfig.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

const char kTrayToolTip[] = "ORVANE TALVEK MOUSE K812";
const char kTrayIconFile[] = "./modules/img/trayIcon.ico";
const char kTrayMenuStyle[] =
    "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
    "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
    "QMenu::item:enabled { color: rgb(225, 225, 225); } "
    "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
    "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
    "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
    "QMenu::indicator { width: 13px; height: 13px; } "
    "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";

Tray buildTray(QWidget *window, const QString &language)
{
    Tray tray;
    tray.icon = new QSystemTrayIcon(window);
    tray.quit = new QAction(QObject::tr("Quit (&Q)"), window);
    if (language == QLatin1String(kLanguageChinese))
        tray.quit->setText(QStringLiteral("退出"));
    tray.menu = new QMenu(window);
    tray.menu->addAction(tray.quit);
    tray.menu->setStyleSheet(QString::fromLatin1(kTrayMenuStyle));
    tray.icon->setContextMenu(tray.menu);
    tray.icon->setToolTip(QString::fromLatin1(kTrayToolTip));
    // A missing icon file leaves the icon without an image.
    tray.icon->setIcon(QIcon(QString::fromLatin1(kTrayIconFile)));
    tray.icon->setVisible(true);
    return tray;
}

bool trayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}
