#include "Widget.h"

#include "AppConfig.h"
#include "Catalogue.h"
#include "CliRequest.h"
#include "CommandLine.h"
#include "DeviceChange.h"
#include "DevicePresence.h"
#include "QtSingleCoreApplication.h"
#include "GlobalShortcut.h"
#include "LocalPeer.h"
#include "SettingsFiles.h"
#include "StageDpiTable.h"
#include "StageTexts.h"
#include "Tray.h"
#include "Ui_Controler.h"
#include "UserEvent.h"
#include "WaitingView.h"
#include "WindowRestore.h"
#include "myQQuickView.h"

#include <QAction>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>
#include <QCoreApplication>

namespace {
const char kInfoTitle[] = "Info";
const char kDetectMouse[] = "Detect Mouse!";
const char kDetectMouseChinese[] = "检测到鼠标!";
constexpr int kLastStage = 8;
constexpr int kTrayWatchMs = 3000;
const char kHotKeyId[] = "show-window";
const char kHotKeyDescription[] = "Show the mouse utility";
const char kHotKeyTrigger[] = "SHIFT+ALT+F12";
} // namespace

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
    m_controler = new Ui_Controler;
    m_controler->setupWindow(this, &m_hid);
    view()->setDevice(&m_hid);
    m_pageGate.setRoot(view()->rootObject());
    // The pauses the mouse needs between reports must not hold up painting.
    m_hid.startCommandThread();
    connectDeviceLink();

    m_checkTimer.setInterval(kDeviceCheckDelayMs);
    m_checkTimer.setSingleShot(true);
    connect(&m_checkTimer, &QTimer::timeout, this, &Widget::checkDevice);

    buildTray();
    m_waiting = new WaitingView(this, m_controler);
    m_waiting->setLanguage(view()->getLang().toString());
    m_waiting->installEventFilter(m_controler);
    connect(m_controler, &Ui_Controler::quitRequested, this, &Widget::exitSYS);
    connect(view(), &myQQuickView::userNotice, this,
            [this](const QString &text) { m_notifier.balloon(QString::fromLatin1(kInfoTitle), text); });
    centreOnScreen();
    m_trayAvailable = trayAvailable();
    m_trayWatch.setInterval(kTrayWatchMs);
    connect(&m_trayWatch, &QTimer::timeout, this, &Widget::followTray);
    m_trayWatch.start();
    registerDesktopHotKey();
    m_deviceWatch = platform::startDeviceChangeWatch([](void *self) { static_cast<Widget *>(self)->deviceChanged(); }, this);
}

Widget::~Widget()
{
    platform::unregisterGlobalShortcut();
    platform::stopDeviceChangeWatch(m_deviceWatch);
    // The listener uses the device link from its pool thread: it must be over
    // before the link goes.
    m_hid.stopEventListener();
    m_hid.waitEventListener();
    m_controler->deleteLater();
}

myQQuickView *Widget::view() const
{
    return m_controler->view();
}

bool Widget::chinese() const
{
    return view()->getLang().toString() == QLatin1String(kLanguageChinese);
}

void Widget::buildTray()
{
    const Tray tray = ::buildTray(this, view()->getLang().toString());
    m_tray = tray.icon;
    m_notifier.setTrayIcon(m_tray);
    connect(tray.quit, &QAction::triggered, this, &Widget::exitSYS);
    connect(m_tray, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
}

void Widget::connectDeviceLink()
{
    Hid_Thread::ConnectHooks connect;
    connect.secrecyText = [this](uint32_t index) {
        return appSecrecyCode(*view()->settings().appConfig(), static_cast<int>(index));
    };
    connect.connected = [this](uint32_t index) { connected(index); };
    connect.failed = [this](uint32_t) { connectFailed(); };
    m_hid.setConnectHooks(std::move(connect));

    Hid_Thread::ListenerHooks listener;
    listener.stageChanged = [this](int stage) { stageChanged(stage); };
    listener.deviceLost = [this](uint32_t) { deviceLost(); };
    m_hid.setListenerHooks(std::move(listener));
}

void Widget::checkDevice()
{
    const Catalogue catalogue = readCatalogue(QString::fromLatin1(kCatalogueResource),
                                              appProductNames(*view()->settings().appConfig()));
    m_hid.scanDevices(catalogue.records);
    m_hid.setScrambling(catalogue.isEncode);
    m_hid.swichCurDevice(m_hid.currentDevice());
}

// The command interface is open. The page hears initUI first and run after
// it: the event that leads to run is posted behind the queued initUI call.
void Widget::connected(uint32_t index)
{
    setWaiting(false);
    view()->initUI(static_cast<uchar>(index));
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunUiCode));
    view()->setEnabled(true);
    setDevicePresent(true);
    m_notifier.balloon(QString::fromLatin1(kInfoTitle),
                       chinese() ? QString::fromUtf8(kDetectMouseChinese) : QString::fromLatin1(kDetectMouse));
}

// Without a tray a hidden window could not be found again: it waits on screen.
void Widget::connectFailed()
{
    setDevicePresent(false);
    if (trayAvailable())
        hide();
    else
        setWaiting(true);
}

void Widget::centreOnScreen()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

bool Widget::waiting() const
{
    return !m_waiting->isHidden();
}

// The waiting screen is the whole window, at its own size: no part of the
// window is left transparent, which a desktop without compositing would
// paint black.
void Widget::setWaiting(bool waiting)
{
    if (waiting == this->waiting())
        return;
    const QPoint centre = geometry().center();
    m_waiting->setVisible(waiting);
    view()->setVisible(!waiting);
    if (waiting) {
        m_waiting->move(0, 0);
        resize(m_waiting->size());
        m_waiting->raise();
    } else {
        m_controler->fitPage();
    }
    move(centre - rect().center());
}

void Widget::followTray()
{
    const bool available = trayAvailable();
    if (available == m_trayAvailable)
        return;
    m_trayAvailable = available;
    if (available) {
        m_notifier.debugLine(QStringLiteral("Tray available"));
        return;
    }
    m_notifier.debugLine(QStringLiteral("Tray gone: the window stays on screen"));
    if (isVisible())
        return;
    if (!devicePresent())
        setWaiting(true);
    showNormal();
}

// Where the program cannot watch the whole keyboard (Wayland), the desktop
// reports the hot key; without that service it works while the window has
// the focus, through the window's own key capture.
void Widget::registerDesktopHotKey()
{
    platform::ShortcutHandlers handlers;
    QPointer<Widget> self(this);
    handlers.activated = [self] {
        if (self)
            self->showHidden();
    };
    handlers.failed = [self](const std::string &reason) {
        if (self)
            self->m_notifier.debugLine(QStringLiteral("Hot key not registered with the desktop: ")
                                       + QString::fromStdString(reason));
    };
    platform::registerGlobalShortcut(kHotKeyId, kHotKeyDescription, kHotKeyTrigger, handlers);
}

void Widget::showHidden()
{
    if (isVisible() && !isMinimized())
        return;
    showNormal();
    raise();
    activateWindow();
}

void Widget::stageChanged(int stage)
{
    // Stage 8 has no text of its own: it borrows stage 7's.
    if (stage < 1 || stage > kLastStage)
        return;
    const int textIndex = (stage == kLastStage ? kLastStage - 1 : stage) - 1;
    m_notifier.balloon(QString::fromLatin1(kInfoTitle),
                       stageText(textIndex) + QLatin1Char(' ') + QString::number(stageDpi(stage)));
}

// With a tray the window keeps its visibility and only its input goes until
// the next connect; without one the disabled page would look unchanged, so
// the waiting screen says what happened.
void Widget::deviceLost()
{
    view()->setEnabled(false);
    if (!trayAvailable())
        setWaiting(true);
}

void Widget::deviceChanged()
{
    if (!m_hid.isListening())
        m_checkTimer.start();
}

void Widget::exitSYS()
{
    m_hid.stopEventListener();
    QCoreApplication::exit(0);
}

void Widget::postRestoreRequest()
{
    platform::postRestoreRequest(static_cast<std::uintptr_t>(winId()));
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick && devicePresent())
        postRestoreRequest();
}

// With a tray the window comes back only while a mouse is connected; without
// one, a second start is the user's way back to it, so it always works.
void Widget::receiveMessage(QString msg)
{
    if (cli::isRequest(msg)) {
        LocalPeer *peer = QtSingleCoreApplication::instancePeer();
        const LocalPeer::Sender sender = peer ? peer->currentSender() : LocalPeer::Sender();
        carryOutRequest(msg, *this, [sender](const QString &answer) { LocalPeer::answerTo(sender, answer); });
        return;
    }
    if (devicePresent() || !trayAvailable())
        postRestoreRequest();
}

void Widget::customEvent(QEvent *event)
{
    if (event->type() == UserEvent::kType && static_cast<UserEvent *>(event)->code() == UserEvent::kRunUiCode)
        view()->runUI();
}

// The desktop closed the window (a compositor's close, Alt+F4): with a tray
// it goes there, as the page's close button does; without one the program
// ends, as there is nowhere left to find it.
void Widget::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (trayAvailable()) {
        m_notifier.debugLine(QStringLiteral("Window closed: the program goes on in the tray"));
        return;
    }
    m_notifier.debugLine(QStringLiteral("Window closed without a tray: the program ends"));
    exitSYS();
}

bool Widget::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    if (platform::isRestoreMessage(eventType.constData(), message))
        setVisible(true);
    else if (platform::isDeviceChangeMessage(eventType.constData(), message))
        deviceChanged();
    // Never consumed: the system's own handling follows.
    return QWidget::nativeEvent(eventType, message, result);
}

void Widget::keyboardHandler(uint8_t usage, bool pressed, void *context)
{
    auto *self = static_cast<Widget *>(context);
    if (!self)
        return;
    self->view()->forwardKeyboard(pressed, usage);
    if (self->m_hotKey.feed(usage, pressed))
        self->showHidden();
}

void Widget::mouseHandler(uint8_t button, bool pressed, int x, int y, void *context)
{
    auto *self = static_cast<Widget *>(context);
    if (!self)
        return;
    self->view()->forwardMouse(pressed, button, static_cast<unsigned>(x), static_cast<unsigned>(y));
}
