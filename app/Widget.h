#pragma once
// The main window: owns the device link, the window controller with the view
// of the pages, the tray icon and the device check. It connects the mouse,
// follows its stage changes and removal, and brings itself back on request.

#include "HotKey.h"
#include "Hid_Thread.h"
#include "Notifier.h"
#include "PageGate.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

class Ui_Controler;
class WaitingView;
class myQQuickView;

namespace platform {
class DeviceChangeWatch;
}

class Widget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDeviceCheckDelayMs = 2048;

    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    Hid_Thread &hid() { return m_hid; }
    myQQuickView *view() const;
    Notifier &notifier() { return m_notifier; }
    PageGate &pageGate() { return m_pageGate; }
    bool deviceCheckPending() const { return m_checkTimer.isActive(); }
    // True while the window waits for a mouse on a desktop without a tray.
    bool waiting() const;

    // A device arrived or left: check again once the burst is over, unless a
    // mouse is being watched.
    void deviceChanged();

    // Handlers for the global key and button capture; context is the window.
    static void keyboardHandler(uint8_t usage, bool pressed, void *context);
    static void mouseHandler(uint8_t button, bool pressed, int x, int y, void *context);

public slots:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkDevice();
    void exitSYS();
    void receiveMessage(QString msg);

protected:
    void customEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

private:
    void buildTray();
    void connectDeviceLink();
    void connected(uint32_t index);
    void connectFailed();
    void stageChanged(int stage);
    void deviceLost();
    void postRestoreRequest();
    void showHidden();
    void setWaiting(bool waiting);
    void centreOnScreen();
    void followTray();
    void registerDesktopHotKey();
    bool chinese() const;

    QTimer m_checkTimer;
    Ui_Controler *m_controler = nullptr;
    Hid_Thread m_hid;
    QSystemTrayIcon *m_tray = nullptr;
    HotKey m_hotKey;
    Notifier m_notifier;
    PageGate m_pageGate;
    platform::DeviceChangeWatch *m_deviceWatch = nullptr;
    WaitingView *m_waiting = nullptr;
    // Trays come and go (a panel restarts, an extension is switched off).
    QTimer m_trayWatch;
    bool m_trayAvailable = false;
};
