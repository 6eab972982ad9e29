#include "LocalPeer.h"

#include "Session.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

QByteArray frameOf(const QByteArray &bytes)
{
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out << bytes;
    return frame;
}

// The first frame of `buffer`, taken out of it: nothing while it is
// incomplete, a null array for a length no peer of ours sends.
std::optional<QByteArray> takeFrame(QByteArray &buffer)
{
    if (buffer.size() < 4)
        return std::nullopt;
    QDataStream in(buffer);
    quint32 length = 0;
    in >> length;
    if (length == 0xFFFFFFFFu)
        length = 0;  // QDataStream's form of a null byte array
    if (length > kMaxMessageBytes)
        return QByteArray();
    if (static_cast<quint32>(buffer.size()) - 4 < length)
        return std::nullopt;
    QByteArray bytes = buffer.mid(4, static_cast<int>(length));
    buffer.remove(0, 4 + static_cast<int>(length));
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
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
    // A lock file there before the attempt and taken by it was left by a
    // process that has ended (or whose id now belongs to another program).
    qint64 leftBy = 0;
    const bool leftOver = QFileInfo::exists(lockFilePath());
    if (leftOver) {
        QString host, application;
        QLockFile(lockFilePath()).getLockInfo(&leftBy, &host, &application);
    }
    if (!m_lock->tryLock(0))
        return true;
    if (leftOver)
        m_takeOverNote = QStringLiteral("took over the single-instance lock left by process %1, which no longer runs this program").arg(leftBy);
    listen();
    return false;
}

bool LocalPeer::takeOver()
{
    if (!isClient())
        return true;
    qint64 owner = 0;
    QString host, application;
    const bool named = m_lock->getLockInfo(&owner, &host, &application);
    // A live owner keeps the file busy; it did not answer, so the file goes.
    if (!m_lock->removeStaleLockFile())
        QFile::remove(lockFilePath());
    if (!m_lock->tryLock(0))
        return false;
    m_takeOverNote = named ? QStringLiteral("took over the single-instance lock of process %1, which did not answer").arg(owner)
                           : QStringLiteral("took over a single-instance lock that named no process");
    listen();
    return true;
}

void LocalPeer::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket with our name is a leftover of a crash.
    QLocalServer::removeServer(m_socketName);
    if (!m_server->listen(m_socketName))
        qWarning("single instance: cannot listen on %s: %s", qPrintable(m_socketName),
                 qPrintable(m_server->errorString()));
    connect(m_server, &QLocalServer::newConnection, this, &LocalPeer::acceptConnections);
}

LocalPeer::Delivery LocalPeer::send(QLocalSocket &socket, const QString &message, const std::function<int()> &remaining)
{
    for (;;) {
        socket.connectToServer(m_socketName);
        if (socket.waitForConnected(remaining()))
            break;
        // The first instance may hold the lock but not be listening yet.
        if (remaining() <= kRetryPauseMs)
            return Delivery::NoListener;
        QThread::msleep(kRetryPauseMs);
    }
    socket.write(frameOf(message.toUtf8()));
    if (!socket.waitForBytesWritten(remaining()))
        return Delivery::NoAck;
    while (socket.bytesAvailable() < kAckSize) {
        if (!socket.waitForReadyRead(remaining()))
            return Delivery::NoAck;
    }
    return socket.read(kAckSize) == kAck ? Delivery::Taken : Delivery::NoAck;
}

namespace {
std::function<int()> countdown(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    return [clock, timeoutMs] { return qMax(0, timeoutMs - static_cast<int>(clock.elapsed())); };
}
} // namespace

LocalPeer::Outcome LocalPeer::deliver(const QString &message, int ackTimeoutMs)
{
    if (!isClient())
        return {};
    QLocalSocket socket;
    return {send(socket, message, countdown(ackTimeoutMs)), QString()};
}

bool LocalPeer::sendMessage(const QString &message, int timeoutMs)
{
    return deliver(message, timeoutMs).delivery == Delivery::Taken;
}

LocalPeer::Outcome LocalPeer::request(const QString &message, int ackTimeoutMs, int answerTimeoutMs)
{
    if (!isClient())
        return {};
    QLocalSocket socket;
    Outcome outcome{send(socket, message, countdown(ackTimeoutMs)), QString()};
    if (outcome.delivery != Delivery::Taken)
        return outcome;
    const auto remaining = countdown(answerTimeoutMs);
    QByteArray buffer;
    for (;;) {
        buffer += socket.readAll();
        if (const auto reply = takeFrame(buffer)) {
            if (reply->isNull())
                outcome.delivery = Delivery::NoAnswer;
            else
                outcome.answer = QString::fromUtf8(*reply);
            return outcome;
        }
        if (!socket.waitForReadyRead(remaining())) {
            outcome.delivery = Delivery::NoAnswer;
            return outcome;
        }
    }
}

void LocalPeer::answerTo(const Sender &sender, const QString &reply)
{
    if (!sender)
        return;
    sender->write(frameOf(reply.toUtf8()));
    sender->flush();
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
    const auto frame = takeFrame(buffer);
    if (!frame) {
        socket->setProperty(kBufferProperty, buffer);
        return;
    }
    socket->setProperty(kBufferProperty, QByteArray());
    if (frame->isNull()) {
        socket->abort();
        return;
    }
    socket->write(kAck, kAckSize);
    socket->flush();
    // Handled from the event loop, not inside the socket's signal: a command
    // runs event loops of its own, in which its sender may hang up and its
    // socket be deleted under the signal still on the stack.
    QMetaObject::invokeMethod(this, [this, sender = Sender(socket), message = QString::fromUtf8(*frame)] {
        // A command may let events through while it runs, and with them
        // another message: each one answers its own sender.
        const Sender outer = m_handling;
        m_handling = sender;
        emit messageReceived(message);
        m_handling = outer;
    }, Qt::QueuedConnection);
}
