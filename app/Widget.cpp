#include "Widget.h"

#include "AppConfig.h"
#include "Catalogue.h"
#include "DevicePresence.h"
#include "WindowRestore.h"

namespace {
constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 640;
}

Widget::Widget(QWidget *parent)
    : QWidget(parent)
    , m_appConfig(openAppConfig())
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("Widget"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    resize(kWindowWidth, kWindowHeight);
    setWindowTitle(readWindowTitle());
}

Widget::~Widget() = default;

void Widget::checkDevice()
{
    const Catalogue catalogue = readCatalogue(QString::fromLatin1(kCatalogueResource), appProductNames(*m_appConfig));
    m_hid.scanDevices(catalogue.records);
    m_hid.setScrambling(catalogue.isEncode);
}

void Widget::receiveMessage(QString msg)
{
    Q_UNUSED(msg)
    if (devicePresent())
        platform::postRestoreRequest(static_cast<std::uintptr_t>(winId()));
}
