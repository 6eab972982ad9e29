#pragma once
// The tray icon and its one-entry menu.

#include <QString>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

extern const char kTrayToolTip[];
extern const char kTrayIconFile[];
extern const char kTrayMenuStyle[];

struct Tray {
    QSystemTrayIcon *icon = nullptr;
    QMenu *menu = nullptr;
    QAction *quit = nullptr;
};

// True while the desktop shows tray icons. GNOME without an extension and
// many Wayland compositors have none; a tray can also come and go.
bool trayAvailable();

// Builds the tray as children of `window`, in the language given
// ("ChineseSimplified" or anything else for English), and shows the icon.
// The caller connects quit->triggered and icon->activated.
Tray buildTray(QWidget *window, const QString &language);
