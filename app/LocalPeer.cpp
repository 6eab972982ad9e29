#include "LocalPeer.h"

#include "Session.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr char kAck[] = "ack";
constexpr int kAckSize = 3;
// A frame is a 32-bit length and that many UTF-8 bytes; a longer claim is a
// stranger on the socket, not a second instance.
constexpr quint32 kMaxMessageBytes = 1 << 20;
constexpr int kRetryPauseMs = 100;
const char kBufferProperty[] = "peerBuffer";

QString socketNameFor(const QString &appId)
{
    QString prefix = QFileInfo(appId).completeBaseName();
    prefix.remove(QRegExp(QStringLiteral("[^A-Za-z0-9]")));
    const QByteArray key = appId.toUtf8();
    const quint16 sum = qChecksum(key.constData(), static_cast<uint>(key.size()));
    return QStringLiteral("qtsingleapp-%1-%2-%3")
        .arg(prefix.left(12))
        .arg(sum, 4, 16, QLatin1Char('0'))
        .arg(QString::fromStdString(platform::logonId()));
}

} // namespace

LocalPeer::LocalPeer(const QString &appId, QObject *parent)
    : QObject(parent)
    , m_socketName(socketNameFor(appId))
{
}

LocalPeer::~LocalPeer() = default;

QString LocalPeer::lockFilePath() const
{
    return QDir::temp().filePath(m_socketName + QStringLiteral("-lockfile"));
}

bool LocalPeer::isClient()
{
    if (m_server)
        return false;
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(lockFilePath());
        // Stale only when its owner is gone; age alone never makes it stale.
        m_lock->setStaleLockTime(0);
    }
    if (!m_lock->tryLock(0))
        return true;

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket with our name is a leftover of a crash.
    QLocalServer::removeServer(m_socketName);
    if (!m_server->listen(m_socketName))
        qWarning("single instance: cannot listen on %s: %s", qPrintable(m_socketName),
                 qPrintable(m_server->errorString()));
    connect(m_server, &QLocalServer::newConnection, this, &LocalPeer::acceptConnections);
    return false;
}

bool LocalPeer::sendMessage(const QString &message, int timeoutMs)
{
    if (!isClient())
        return false;

    QElapsedTimer clock;
    clock.start();
    auto remaining = [&] { return qMax(0, timeoutMs - static_cast<int>(clock.elapsed())); };

    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_socketName);
        if (socket.waitForConnected(remaining()))
            break;
        // The first instance may hold the lock but not be listening yet.
        if (remaining() <= kRetryPauseMs)
            return false;
        QThread::msleep(kRetryPauseMs);
    }

    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out << message.toUtf8();
    socket.write(frame);
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    while (socket.bytesAvailable() < kAckSize) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    return socket.read(kAckSize) == kAck;
}

void LocalPeer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readFrom(socket);
    }
}

void LocalPeer::readFrom(QLocalSocket *socket)
{
    QByteArray buffer = socket->property(kBufferProperty).toByteArray() + socket->readAll();
    if (buffer.size() < 4) {
        socket->setProperty(kBufferProperty, buffer);
        return;
    }
    QDataStream in(buffer);
    quint32 length = 0;
    in >> length;
    if (length == 0xFFFFFFFFu)
        length = 0;  // QDataStream's form of a null byte array
    if (length > kMaxMessageBytes) {
        socket->abort();
        return;
    }
    if (static_cast<quint32>(buffer.size()) - 4 < length) {
        socket->setProperty(kBufferProperty, buffer);
        return;
    }
    socket->setProperty(kBufferProperty, QByteArray());
    const QString message = QString::fromUtf8(buffer.constData() + 4, static_cast<int>(length));
    socket->write(kAck, kAckSize);
    socket->flush();
    emit messageReceived(message);
}
