#include "SocketFocusWatcher.h"

#include <QLocalSocket>

namespace platform {

namespace {
constexpr int kConnectTimeoutMs = 2000;
} // namespace

SocketFocusWatcher::~SocketFocusWatcher()
{
    stop();
}

bool SocketFocusWatcher::connectTo(const QString &path, Callback onFocus)
{
    stop();
    m_socket = std::make_unique<QLocalSocket>();
    m_socket->connectToServer(path);
    if (!m_socket->waitForConnected(kConnectTimeoutMs)) {
        m_status = focusStatus(m_texts.silent, {path.toStdString()});
        m_socket.reset();
        return false;
    }
    m_onFocus = std::move(onFocus);
    QObject::connect(m_socket.get(), &QLocalSocket::readyRead, [this] {
        m_buffer += m_socket->readAll();
        readable();
    });
    QObject::connect(m_socket.get(), &QLocalSocket::disconnected, [this] { m_status = focusStatus(m_texts.closed); });
    return true;
}

void SocketFocusWatcher::fail(FocusText why)
{
    m_status = focusStatus(why);
    stop();
}

void SocketFocusWatcher::stop()
{
    if (m_socket) {
        m_socket->disconnect();
        m_socket->abort();
        // Possibly inside the socket's own signal: it goes once that returns.
        m_socket.release()->deleteLater();
    }
    m_buffer.clear();
}

} // namespace platform
