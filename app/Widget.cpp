#include "Widget.h"

#include "AppConfig.h"
#include "Catalogue.h"
#include "CliRequest.h"
#include "CommandLine.h"
#include "DeviceChange.h"
#include "DevicePresence.h"
#include "QtSingleCoreApplication.h"
#include "SettingsFiles.h"
#include "StageDpiTable.h"
#include "StageTexts.h"
#include "Tray.h"
#include "Ui_Controler.h"
#include "UserEvent.h"
#include "WindowRestore.h"
#include "myQQuickView.h"

#include <QAction>
#include <QCoreApplication>

namespace {
const char kInfoTitle[] = "Info";
const char kDetectMouse[] = "Detect Mouse!";
const char kDetectMouseChinese[] = "检测到鼠标!";
constexpr int kLastStage = 8;
} // namespace

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
    m_controler = new Ui_Controler;
    m_controler->setupWindow(this, &m_hid);
    view()->setDevice(&m_hid);
    // The pauses the mouse needs between reports must not hold up painting.
    m_hid.startCommandThread();
    connectDeviceLink();

    m_checkTimer.setInterval(kDeviceCheckDelayMs);
    m_checkTimer.setSingleShot(true);
    connect(&m_checkTimer, &QTimer::timeout, this, &Widget::checkDevice);

    buildTray();
    m_deviceWatch = platform::startDeviceChangeWatch([](void *self) { static_cast<Widget *>(self)->deviceChanged(); }, this);
}

Widget::~Widget()
{
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
    view()->initUI(static_cast<uchar>(index));
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunUiCode));
    view()->setEnabled(true);
    setDevicePresent(true);
    m_notifier.balloon(QString::fromLatin1(kInfoTitle),
                       chinese() ? QString::fromUtf8(kDetectMouseChinese) : QString::fromLatin1(kDetectMouse));
}

void Widget::connectFailed()
{
    setDevicePresent(false);
    hide();
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

// The window keeps its visibility; only its input goes until the next connect.
void Widget::deviceLost()
{
    view()->setEnabled(false);
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

void Widget::receiveMessage(QString msg)
{
    if (cli::isRequest(msg)) {
        QtSingleCoreApplication::answerMessage(carryOutRequest(msg, *this));
        return;
    }
    if (devicePresent())
        postRestoreRequest();
}

void Widget::customEvent(QEvent *event)
{
    if (event->type() == UserEvent::kType && static_cast<UserEvent *>(event)->code() == UserEvent::kRunUiCode)
        view()->runUI();
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
    if (self->m_hotKey.feed(usage, pressed) && !self->isVisible())
        self->showNormal();
}

void Widget::mouseHandler(uint8_t button, bool pressed, int x, int y, void *context)
{
    auto *self = static_cast<Widget *>(context);
    if (!self)
        return;
    self->view()->forwardMouse(pressed, button, static_cast<unsigned>(x), static_cast<unsigned>(y));
}
